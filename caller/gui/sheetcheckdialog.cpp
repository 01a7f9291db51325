#include "sheetcheckdialog.h"

#include "messagepresenter.h"
#include "numbertext.h"
#include "setcode.h"
#include "windowfit.h"
#include "windowplacement.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int CellSize = 56;
constexpr int MinimumWidth = 600;
const QColor calledColour(255, 160, 0);
const QColor openColour(Qt::white);
const QColor starColour(255, 255, 0);

// The verdict's lines, scrolled when the screen leaves too little room for all of them, so
// that they never cover the sheet or the headline. It asks for their whole height.
class DetailsArea final : public QScrollArea
{
public:
    explicit DetailsArea(QWidget *parent)
        : QScrollArea(parent)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    QSize sizeHint() const override
    {
        // All the lines in view need no scroll bar beside them: the whole width is theirs.
        const QWidget *lines = widget();
        const int width = this->width() > 0 ? this->width() : lines->sizeHint().width();
        return {lines->sizeHint().width(), lines->heightForWidth(width)};
    }
};

QFont sized(const QFont &base, int points, bool bold)
{
    QFont font(base);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

} // namespace

SheetCheckDialog::SheetCheckDialog(MessagePresenter &messages, int gameTop, QList<int> called,
                                   const QString &setCode, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_gameTop(gameTop)
    , m_called(std::move(called))
    , m_setCode(setCode)
{
    setWindowTitle(title());

    m_codeEdit = new QLineEdit(setCode, this);
    m_codeEdit->setObjectName(QStringLiteral("setCode"));
    m_codeEdit->setPlaceholderText(QStringLiteral("XXXX-XXXXX"));
    m_numberEdit = new QLineEdit(this);
    m_numberEdit->setObjectName(QStringLiteral("sheetNumber"));
    auto *checkButton = new QPushButton(tr("確認"), this);
    checkButton->setObjectName(QStringLiteral("checkButton"));
    checkButton->setDefault(true);
    connect(checkButton, &QPushButton::clicked, this, &SheetCheckDialog::check);

    auto *inputs = new QGridLayout;
    inputs->addWidget(new QLabel(tr("コード"), this), 0, 0);
    inputs->addWidget(m_codeEdit, 0, 1);
    inputs->addWidget(new QLabel(tr("シート番号"), this), 1, 0);
    inputs->addWidget(m_numberEdit, 1, 1);
    inputs->addWidget(checkButton, 1, 2);

    m_grid = new QTableWidget(5, 5, this);
    m_grid->setObjectName(QStringLiteral("sheetGrid"));
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setDefaultSectionSize(CellSize);
    m_grid->verticalHeader()->setDefaultSectionSize(CellSize);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setFixedSize(5 * CellSize + 2 * m_grid->frameWidth(),
                         5 * CellSize + 2 * m_grid->frameWidth());
    m_grid->setFont(sized(font(), 20, true));

    m_headline = new QLabel(this);
    m_headline->setObjectName(QStringLiteral("verdictHeadline"));
    m_headline->setFont(sized(font(), 28, true));
    m_details = new QLabel(this);
    m_details->setObjectName(QStringLiteral("verdictDetails"));
    m_details->setFont(sized(font(), 16, false));
    m_details->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("閉じる"));
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_detailsArea = new DetailsArea(this);
    m_detailsArea->setWidget(m_details);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(m_grid, 0, Qt::AlignHCenter);
    layout->addWidget(m_headline);
    layout->addWidget(m_detailsArea, 1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    setMinimumWidth(MinimumWidth);

    // The code is usually known already; the number is what changes from sheet to sheet.
    (setCode.isEmpty() ? m_codeEdit : m_numberEdit)->setFocus();
}

bool SheetCheckDialog::check()
{
    const SheetChoice choice = chooseSheet(m_codeEdit->text(), m_numberEdit->text(), m_gameTop);
    if (!choice.code) {
        refuse(choice.refusal);
        m_codeEdit->setFocus();
        return false;
    }
    m_setCode = choice.code->text();
    m_codeEdit->setText(m_setCode);
    if (!choice.found()) {
        refuse(choice.refusal);
        m_numberEdit->setFocus();
        return false;
    }

    m_verdict.emplace(choice.cells, m_called, SheetVerdict::isOver(m_gameTop, m_called.size()));
    showSheet(choice.cells);
    m_headline->setText(m_verdict->headline());
    m_details->setText(m_verdict->details().join(u'\n'));
    m_detailsArea->updateGeometry();
    fitToScreen();
    m_numberEdit->selectAll();
    m_numberEdit->setFocus();
    return true;
}

void SheetCheckDialog::fitToScreen()
{
    // As large as the verdict asks, as far as the screen's free area goes, and inside it; the
    // lines that do not fit then scroll. adjustSize() would stop at two thirds of the screen.
    layout()->activate();
    resize(sizeInsideScreen(*this, size().expandedTo(sizeHint())));
    layout()->activate();
    resize(sizeInsideScreen(*this, QSize(width(), std::max(height(), sizeHint().height()))));
    if (isVisible())
        move(fitInside(screen()->availableGeometry(), frameGeometry()).topLeft());
}

void SheetCheckDialog::refuse(const QString &why)
{
    // A verdict left standing would seem to belong to what was just typed.
    m_verdict.reset();
    m_grid->clearContents();
    m_headline->clear();
    m_details->clear();
    m_messages.show(this, MessagePresenter::Icon::Warning, title(), why);
}

void SheetCheckDialog::showSheet(std::span<const int, SheetRules::Cells> sheet)
{
    for (int c = 0; c < SheetRules::Cells; ++c) {
        const bool star = c == SheetRules::StarCell;
        auto *item =
            new QTableWidgetItem(star ? QStringLiteral("★") : numberText(sheet[std::size_t(c)]));
        item->setTextAlignment(Qt::AlignCenter);
        item->setBackground(star ? starColour : m_verdict->isMarked(c) ? calledColour : openColour);
        m_grid->setItem(SheetRules::rowOf(c), SheetRules::columnOf(c), item);
    }
}
