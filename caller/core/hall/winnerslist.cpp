#include "winnerslist.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {

// Plain decimal digits, at most nine of them.
int plainNumber(const QByteArray &text)
{
    if (text.isEmpty() || text.size() > 9)
        return -1;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

QByteArray flag(bool on)
{
    return on ? "1" : "0";
}

// One CSV field: quoted, with its quotes doubled, so commas and line ends in a name stay in
// it; a text a spreadsheet would take for a formula gets an apostrophe first.
QByteArray csvField(const QString &text)
{
    QString field = text;
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!field.isEmpty() && formulaStarts.contains(field.front()))
        field.prepend(u'\'');
    field.replace(u'"', QStringLiteral("\"\""));
    return '"' + field.toUtf8() + '"';
}

} // namespace

WinnersList::WinnersList(QObject *parent)
    : QObject(parent)
{}

QString WinnersList::keyOf(const HallSheet &sheet)
{
    return sheet.setCode + u'/' + QString::number(sheet.number);
}

int WinnersList::rowOf(const HallSheet &sheet) const
{
    const QString key = keyOf(sheet);
    for (int row = 0; row < m_winners.size(); ++row) {
        if (keyOf(m_winners[row].sheet) == key)
            return row;
    }
    return -1;
}

int WinnersList::place(int row) const
{
    const int draw = m_winners.at(row).draw;
    int earlier = 0;
    while (earlier < row && m_winners[earlier].draw < draw)
        ++earlier;
    return earlier + 1;
}

QString WinnersList::line(int row) const
{
    const Winner &w = m_winners.at(row);
    const QString kind = w.sheet.phoneSheet ? QCoreApplication::translate("WinnersList", "(スマホ)")
                                            : QCoreApplication::translate("WinnersList", "(紙)");
    QStringList parts{QCoreApplication::translate("WinnersList", "%1位").arg(place(row)),
                      QStringLiteral("No.%1").arg(w.sheet.number)};
    if (!w.shownName().isEmpty())
        parts << w.shownName();
    parts << kind;
    return parts.join(QStringLiteral("  "));
}

void WinnersList::insert(const Winner &winner)
{
    // After every winner of the same or an earlier draw, so a list read back keeps its order.
    const auto at = std::find_if(m_winners.begin(), m_winners.end(),
                                 [&](const Winner &w) { return w.draw > winner.draw; });
    m_winners.insert(at, winner);
}

void WinnersList::take(const HallTally &tally)
{
    bool added = false;
    for (const HallSheet &sheet : tally.newBingos) {
        if (rowOf(sheet) >= 0 || m_removed.contains(keyOf(sheet)))
            continue;
        Winner winner{sheet, tally.draw};
        // The hall refuses longer names; cut here too, so a journal record stays small.
        winner.sheet.name.truncate(PhoneSheets::MaxNameLength);
        insert(winner);
        record(rowOf(sheet));
        added = true;
    }
    if (added)
        emit changed();
}

void WinnersList::rename(const HallSheet &sheet)
{
    const int row = rowOf(sheet);
    const QString name = sheet.name.left(PhoneSheets::MaxNameLength);
    if (row < 0 || m_winners[row].sheet.name == name)
        return;
    m_winners[row].sheet.name = name;
    record(row);
    emit changed();
}

void WinnersList::setChecked(int row, bool checked)
{
    if (row < 0 || row >= m_winners.size() || m_winners[row].checked == checked)
        return;
    m_winners[row].checked = checked;
    record(row);
    emit changed();
}

void WinnersList::setNameHidden(int row, bool hidden)
{
    if (row < 0 || row >= m_winners.size() || m_winners[row].nameHidden == hidden)
        return;
    m_winners[row].nameHidden = hidden;
    record(row);
    emit changed();
}

void WinnersList::remove(int row)
{
    if (row < 0 || row >= m_winners.size())
        return;
    record(row, true);
    m_removed.insert(keyOf(m_winners[row].sheet));
    m_winners.removeAt(row);
    emit changed();
}

void WinnersList::clear()
{
    const bool hadAny = !m_winners.isEmpty();
    m_winners.clear();
    m_removed.clear();
    if (hadAny)
        emit changed();
}

void WinnersList::record(int row, bool removed)
{
    emit recorded(payload(m_winners[row], removed));
}

QByteArray WinnersList::payload(const Winner &winner, bool removed) const
{
    // The name as UTF-8 with every byte but letters and digits escaped: no space or line end
    // can break the record, and it stays ASCII.
    return QByteArray(RecordWord) + " draw=" + QByteArray::number(winner.draw) +
           " code=" + winner.sheet.setCode.toLatin1().toPercentEncoding() +
           " number=" + QByteArray::number(winner.sheet.number) +
           " phone=" + flag(winner.sheet.phoneSheet) + " checked=" + flag(winner.checked) +
           " hidden=" + flag(winner.nameHidden) + " removed=" + flag(removed) +
           " name=" + winner.sheet.name.toUtf8().toPercentEncoding();
}

void WinnersList::restore(const QList<QByteArray> &payloads)
{
    bool any = false;
    for (const QByteArray &payload : payloads)
        any = apply(payload) || any;
    if (any)
        emit changed();
}

bool WinnersList::apply(const QByteArray &payload)
{
    const QList<QByteArray> words = payload.split(' ');
    if (words.constFirst() != RecordWord)
        return false;
    QHash<QByteArray, QByteArray> fields;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const qsizetype eq = words[i].indexOf('=');
        if (eq > 0)
            fields.insert(words[i].first(eq), words[i].sliced(eq + 1));
    }
    Winner winner;
    winner.draw = plainNumber(fields.value("draw"));
    winner.sheet.setCode =
        QString::fromLatin1(QByteArray::fromPercentEncoding(fields.value("code")));
    winner.sheet.number = plainNumber(fields.value("number"));
    winner.sheet.phoneSheet = fields.value("phone") == "1";
    winner.checked = fields.value("checked") == "1";
    winner.nameHidden = fields.value("hidden") == "1";
    winner.sheet.name = QString::fromUtf8(QByteArray::fromPercentEncoding(fields.value("name")))
                            .left(PhoneSheets::MaxNameLength);
    if (winner.draw < 1 || winner.sheet.number < 1 || winner.sheet.setCode.isEmpty())
        return false;
    const int row = rowOf(winner.sheet);
    if (fields.value("removed") == "1") {
        if (row >= 0)
            m_winners.removeAt(row);
        m_removed.insert(keyOf(winner.sheet));
    } else if (row >= 0) {
        m_winners[row] = winner;
    } else if (!m_removed.contains(keyOf(winner.sheet))) {
        insert(winner);
    }
    return true;
}

QByteArray WinnersList::csv() const
{
    const auto tr = [](const char *text) {
        return QCoreApplication::translate("WinnersList", text);
    };
    // A byte order mark, so that a spreadsheet takes the file as UTF-8 and not as the
    // system's code page.
    QByteArray out = "\xEF\xBB\xBF";
    const QStringList header{tr("順位"), tr("引いた数"), tr("セットコード"), tr("シート番号"),
                             tr("名前"), tr("シート"),   tr("確認")};
    for (const QString &title : header)
        out += csvField(title) + (&title == &header.constLast() ? "\r\n" : ",");
    for (int row = 0; row < m_winners.size(); ++row) {
        const Winner &w = m_winners[row];
        out += QByteArray::number(place(row)) + ',' + QByteArray::number(w.draw) + ',' +
               csvField(w.sheet.setCode) + ',' + QByteArray::number(w.sheet.number) + ',' +
               csvField(w.shownName()) + ',' +
               csvField(w.sheet.phoneSheet ? tr("スマホ") : tr("紙 (要提示)")) + ',' +
               csvField(w.checked ? tr("済") : QString()) + "\r\n";
    }
    return out;
}
