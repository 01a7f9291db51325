#include "journalformat.h"

#include "sheetrules.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <zlib.h>

namespace {

using Ending = JournalGame::Ending;

constexpr QByteArrayView HeaderWord = "kavelo-journal";
constexpr QByteArrayView PhoneSheetWord = "phonesheet";

// zlib's CRC-32, the one PNG and the common crc32 tools compute, so anyone can check a record.
std::uint32_t checksum(QByteArrayView data)
{
    return static_cast<std::uint32_t>(crc32_z(0, reinterpret_cast<const Bytef *>(data.data()),
                                              static_cast<z_size_t>(data.size())));
}

const std::pair<Ending, QByteArrayView> endingWords[] = {
    {Ending::Finished, "finished"},
    {Ending::Cleared, "cleared"},
    {Ending::Quit, "quit"},
    {Ending::Declined, "declined"},
};

QByteArray timeText(const QDateTime &time)
{
    // With its offset from UTC, so the record names the moment without knowing the zone.
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODateWithMs).toLatin1();
}

struct Frame
{
    QByteArrayView payload;
    qsizetype next = 0;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Plain decimal digits only, at most ten of them.
std::optional<std::int64_t> plainNumber(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 10)
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<Frame> frameAt(QByteArrayView bytes, qsizetype pos)
{
    qsizetype p = pos;
    qsizetype length = 0;
    const qsizetype digitsStart = p;
    while (p < bytes.size() && isDigit(bytes[p]) && p - digitsStart < 5)
        length = length * 10 + (bytes[p++] - '0');
    if (p == digitsStart || length > JournalFormat::MaxPayloadBytes || p >= bytes.size() ||
        bytes[p] != ' ')
        return std::nullopt;
    ++p;
    if (bytes.size() - p < 9)
        return std::nullopt;
    std::uint32_t crc = 0;
    for (int i = 0; i < 8; ++i) {
        const int digit = hexValue(bytes[p + i]);
        if (digit < 0)
            return std::nullopt;
        crc = (crc << 4) | static_cast<std::uint32_t>(digit);
    }
    p += 8;
    if (bytes[p] != ' ')
        return std::nullopt;
    ++p;
    if (bytes.size() - p < length + 1 || bytes[p + length] != '\n')
        return std::nullopt;
    const QByteArrayView payload = bytes.sliced(p, length);
    if (checksum(payload) != crc)
        return std::nullopt;
    return Frame{payload, p + length + 1};
}

// An intact record anywhere after pos, at the start of a line.
bool intactRecordAfter(QByteArrayView bytes, qsizetype pos)
{
    for (qsizetype q = pos + 1; q < bytes.size(); ++q) {
        if (bytes[q - 1] == '\n' && frameAt(bytes, q))
            return true;
    }
    return false;
}

struct Fields
{
    QByteArrayView word;
    QHash<QByteArray, QByteArray> values;

    std::optional<std::int64_t> number(const char *key) const
    {
        const auto it = values.constFind(key);
        return it == values.cend() ? std::nullopt : plainNumber(*it);
    }
    QDateTime time() const
    {
        return QDateTime::fromString(QString::fromLatin1(values.value("time")), Qt::ISODateWithMs);
    }
};

Fields fieldsOf(QByteArrayView payload)
{
    Fields fields;
    const QList<QByteArray> words = payload.toByteArray().split(' ');
    fields.word = payload.first(words.constFirst().size());
    for (qsizetype i = 1; i < words.size(); ++i) {
        const qsizetype eq = words[i].indexOf('=');
        if (eq > 0)
            fields.values.insert(words[i].first(eq), words[i].sliced(eq + 1));
    }
    return fields;
}

class GameReader
{
public:
    // Takes one intact record; an empty result, or why the record cannot belong here.
    QString take(QByteArrayView payload, int recordNumber)
    {
        const Fields fields = fieldsOf(payload);
        const QDateTime time = fields.time();
        const QString where =
            QCoreApplication::translate("JournalFormat", "%1 番目の記録").arg(recordNumber);
        if (!time.isValid())
            return where + QCoreApplication::translate("JournalFormat", "に時刻がありません。");
        if (!m_game)
            return header(fields, time, where);
        if (m_game->complete())
            return where + QCoreApplication::translate("JournalFormat",
                                                       "が、終わったゲームの後にあります。");
        m_game->lastTime = time;
        if (fields.word == "drawn")
            return drawn(fields, time, where);
        if (fields.word == "resumed")
            return {};
        if (fields.word == PhoneSheetWord)
            return phoneSheet(fields, where);
        // The winners' list reads its own records back.
        if (fields.word == "winner") {
            m_game->winnerRecords.append(payload.toByteArray());
            return {};
        }
        for (const auto &[ending, word] : endingWords) {
            if (fields.word != word)
                continue;
            if (ending != Ending::Declined) {
                const auto count = fields.number("count");
                if (!count || *count != m_game->drawCount())
                    return where + QCoreApplication::translate("JournalFormat",
                                                               "の引いた数が記録と合いません。");
                if (ending == Ending::Finished && *count != m_game->topNumber)
                    return where +
                           QCoreApplication::translate(
                               "JournalFormat", "はまだ終わっていないゲームを終わりとしています。");
            }
            m_game->ending = ending;
            return {};
        }
        return where + QCoreApplication::translate("JournalFormat", "の種類「%1」を知りません。")
                           .arg(QString::fromLatin1(fields.word));
    }

    std::optional<JournalGame> &game() { return m_game; }

private:
    QString header(const Fields &fields, const QDateTime &time, const QString &where)
    {
        if (fields.word != HeaderWord)
            return QCoreApplication::translate("JournalFormat", "ゲームの記録ではありません。");
        const auto version = fields.number("version");
        if (!version || *version != JournalFormat::Version)
            return QCoreApplication::translate("JournalFormat", "記録の版「%1」は読めません。")
                .arg(QString::fromLatin1(fields.values.value("version")));
        const auto top = fields.number("top");
        const auto seed = fields.number("seed");
        const auto gameOfRun = fields.number("game");
        if (!top || *top < 1 || *top > 100 || !seed || *seed > 0xFFFFFFFFll || !gameOfRun ||
            *gameOfRun < 1 || *gameOfRun > 1000000)
            return where + QCoreApplication::translate("JournalFormat",
                                                       "(ゲームの始まり)の値が正しくありません。");
        JournalGame game;
        game.topNumber = static_cast<int>(*top);
        game.seed = static_cast<std::uint32_t>(*seed);
        game.gameOfRun = static_cast<int>(*gameOfRun);
        game.started = time;
        game.lastTime = time;
        QSet<int> seen;
        for (const QByteArray &text : fields.values.value("order").split(',')) {
            const auto number = plainNumber(text);
            if (!number || *number > game.topNumber || seen.contains(static_cast<int>(*number)))
                return where +
                       QCoreApplication::translate("JournalFormat", "の引く順が正しくありません。");
            seen.insert(static_cast<int>(*number));
            game.drawOrder.append(static_cast<int>(*number));
        }
        if (game.drawOrder.size() != game.topNumber)
            return where +
                   QCoreApplication::translate("JournalFormat", "の引く順の長さが数と合いません。");
        m_game = std::move(game);
        return {};
    }

    QString drawn(const Fields &fields, const QDateTime &time, const QString &where)
    {
        const auto index = fields.number("index");
        const auto number = fields.number("number");
        const int next = m_game->drawCount();
        if (!index || *index != next || next >= m_game->topNumber)
            return where + QCoreApplication::translate("JournalFormat",
                                                       "は %1 番目に引いた数字ではありません。")
                               .arg(next + 1);
        if (!number || *number != m_game->drawOrder[next])
            return where +
                   QCoreApplication::translate("JournalFormat", "の数字が引く順と合いません。");
        m_game->drawTimes.append(time);
        return {};
    }

    QString phoneSheet(const Fields &fields, const QString &where)
    {
        const QByteArray hash = fields.values.value("hash");
        const auto number = fields.number("number");
        const auto name = QByteArray::fromBase64Encoding(
            fields.values.value("name"),
            QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
        const std::optional<SetCode> set =
            SetCode::read(QString::fromLatin1(fields.values.value("set"))).code;
        // Handed out before the first Start, a sheet may name the set of another top number; the
        // seed is the game's.
        if (!PhoneSheets::isTokenHash(hash) || !number || *number < 1 ||
            *number > SheetRules::MaxSheetCount || !name || !set ||
            (m_phoneSeed && set->seed() != *m_phoneSeed))
            return where + QCoreApplication::translate("JournalFormat",
                                                       "(スマホのシート)の値が正しくありません。");
        m_phoneSeed = set->seed();
        if (SheetRules::topAllowed(m_game->topNumber))
            m_game->phoneSet.emplace(set->seed(), m_game->topNumber);
        m_game->phoneSheets.append({hash, int(*number), QString::fromUtf8(*name)});
        return {};
    }

    std::optional<JournalGame> m_game;
    std::optional<std::uint32_t> m_phoneSeed;
};

} // namespace

namespace JournalFormat {

QByteArray frame(QByteArrayView payload)
{
    return QByteArray::number(payload.size()) + ' ' +
           QByteArray::number(checksum(payload), 16).rightJustified(8, '0') + ' ' +
           payload.toByteArray() + '\n';
}

QByteArray startRecord(int topNumber, std::uint32_t seed, int gameOfRun, const QDateTime &time,
                       const QList<int> &drawOrder)
{
    QByteArray order;
    for (const int number : drawOrder) {
        if (!order.isEmpty())
            order += ',';
        order += QByteArray::number(number);
    }
    return frame(HeaderWord.toByteArray() + " version=" + QByteArray::number(Version) +
                 " top=" + QByteArray::number(topNumber) + " seed=" + QByteArray::number(seed) +
                 " game=" + QByteArray::number(gameOfRun) + " time=" + timeText(time) +
                 " order=" + order);
}

QByteArray drawnRecord(int index, int number, const QDateTime &time)
{
    return frame("drawn index=" + QByteArray::number(index) +
                 " number=" + QByteArray::number(number) + " time=" + timeText(time));
}

QByteArray resumedRecord(const QDateTime &time)
{
    return frame("resumed time=" + timeText(time));
}

QByteArray phoneSheetRecord(const SetCode &set, const PhoneSheetHolding &holding,
                            const QDateTime &time)
{
    return frame(PhoneSheetWord.toByteArray() + " set=" + set.text().toLatin1() +
                 " hash=" + holding.tokenHash + " number=" + QByteArray::number(holding.number) +
                 " name=" + holding.name.toUtf8().toBase64(QByteArray::Base64UrlEncoding) +
                 " time=" + timeText(time));
}

QByteArray noteRecord(QByteArrayView wordAndFields, const QDateTime &time)
{
    return frame(wordAndFields.toByteArray() + " time=" + timeText(time));
}

QByteArray endRecord(JournalGame::Ending ending, int drawCount, const QDateTime &time)
{
    QByteArray word;
    for (const auto &[candidate, text] : endingWords) {
        if (candidate == ending)
            word = text.toByteArray();
    }
    if (ending == Ending::Declined)
        return frame(word + " time=" + timeText(time));
    return frame(word + " count=" + QByteArray::number(drawCount) + " time=" + timeText(time));
}

JournalReading read(QByteArrayView bytes)
{
    JournalReading reading;
    GameReader reader;
    qsizetype pos = 0;
    int recordNumber = 0;
    while (pos < bytes.size()) {
        const std::optional<Frame> frame = frameAt(bytes, pos);
        if (!frame) {
            if (intactRecordAfter(bytes, pos)) {
                reading.error =
                    QCoreApplication::translate(
                        "JournalFormat", "%1 番目の記録が壊れていて、その後にも記録があります。")
                        .arg(recordNumber + 1);
                return reading;
            }
            reading.ignoredBytes = bytes.size() - pos;
            break;
        }
        const QString error = reader.take(frame->payload, ++recordNumber);
        if (!error.isEmpty()) {
            reading.error = error;
            return reading;
        }
        pos = frame->next;
    }
    if (!reader.game()) {
        reading.error =
            QCoreApplication::translate("JournalFormat", "ゲームの始まりの記録がありません。");
        reading.ignoredBytes = 0;
        return reading;
    }
    reading.game = std::move(reader.game());
    reading.intactBytes = pos;
    return reading;
}

} // namespace JournalFormat
