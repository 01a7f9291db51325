#include "liveserving.h"

#include "audiencescreen.h"
#include "lanaddress.h"
#include "livecorner.h"
#include "messagepresenter.h"
#include "phonesheets.h"

#include <QAction>
#include <QRandomGenerator>
#include <QWidget>

LiveServing::LiveServing(const AudienceBoard &board, MessagePresenter &messages, QWidget &dialog)
    : QObject(&dialog)
    , m_board(board)
    , m_messages(messages)
    , m_dialog(dialog)
    , m_service(board)
    , m_action(new QAction(itemText(), this))
{
    m_action->setObjectName(QStringLiteral("liveServing"));
    m_action->setCheckable(true);
    m_action->setShortcut(Key);
    connect(m_action, &QAction::triggered, this, &LiveServing::toggle);
    connect(&m_service, &LiveService::tallied, this, &LiveServing::tallied);
    connect(&m_service, &LiveService::sheetNamed, this, &LiveServing::sheetNamed);
    connect(&m_service, &LiveService::phoneSheetHeld, this,
            [this](const PhoneSheetHolding &holding) {
                if (m_phoneSheetCount != m_service.phoneSheets().size()) {
                    m_phoneSheetCount = int(m_service.phoneSheets().size());
                    emit phoneSheetCountChanged(m_phoneSheetCount);
                }
                if (const std::optional<SetCode> &set = m_service.phoneSet())
                    emit phoneSheetHeld(*set, holding);
            });
    connect(&board, &AudienceBoard::changed, this, &LiveServing::followBoard);
}

void LiveServing::setCallerSeed(std::uint32_t seed)
{
    m_callerSeed = seed;
    choosePhoneSet(m_board.topNumber(), newSetSeed());
}

void LiveServing::resumePhoneSheets(const std::optional<SetCode> &set, int topNumber,
                                    const QList<PhoneSheetHolding> &holdings)
{
    m_gameUnderWay = true;
    choosePhoneSet(topNumber, set ? set->seed() : newSetSeed(), holdings);
}

std::uint32_t LiveServing::newSetSeed() const
{
    return PhoneSheets::setSeed(m_callerSeed,
                                [] { return QRandomGenerator::system()->generate(); });
}

void LiveServing::followBoard()
{
    const bool underWay = m_board.phase() != AudienceBoard::Phase::Waiting;
    if (m_gameUnderWay && !underWay) {
        // Cleared: the next game has a set of its own.
        m_gameUnderWay = false;
        choosePhoneSet(m_board.topNumber(), newSetSeed());
        return;
    }
    m_gameUnderWay = m_gameUnderWay || underWay;
    if (m_board.topNumber() != m_phoneSetTop)
        choosePhoneSet(m_board.topNumber(), std::nullopt);
}

void LiveServing::choosePhoneSet(int topNumber, std::optional<std::uint32_t> newGameSeed,
                                 const QList<PhoneSheetHolding> &holdings)
{
    m_phoneSetTop = topNumber;
    if (newGameSeed)
        m_phoneSeed = *newGameSeed;
    std::optional<SetCode> set;
    if (SheetRules::topAllowed(topNumber))
        set.emplace(m_phoneSeed, topNumber);
    if (newGameSeed)
        m_service.resetPhoneSheets(set, holdings);
    else
        m_service.setPhoneSet(set);
    if (newGameSeed && m_phoneSheetCount != holdings.size()) {
        m_phoneSheetCount = int(holdings.size());
        emit phoneSheetCountChanged(m_phoneSheetCount);
    }
    const QString code = set ? set->text() : QString();
    if (code != m_phoneSetCode) {
        m_phoneSetCode = code;
        emit phoneSetCodeChanged(code);
    }
}

void LiveServing::toggle()
{
    if (m_service.isServing())
        stop();
    else
        start();
}

bool LiveServing::start()
{
    if (m_service.isServing())
        return true;
    const QHostAddress address = lanAddress();
    if (address.isNull()) {
        refuse(noNetwork());
        return false;
    }
    auto failure = m_service.start(m_port);
    if (failure && failure->portTaken) {
        const std::optional<quint16> next = LiveService::nextFreePort(m_port);
        if (!next) {
            refuse(tr("ポート %1 はほかのプログラムが使っていて、その後のポートにも"
                      "空きがありません。")
                       .arg(m_port));
            return false;
        }
        if (!m_messages.ask(&m_dialog, itemText(),
                            tr("ポート %1 はほかのプログラムが使っています。\n"
                               "空いているポート %2 で公開しますか?")
                                .arg(m_port)
                                .arg(*next))) {
            m_action->setChecked(false);
            return false;
        }
        failure = m_service.start(*next);
    }
    if (failure) {
        refuse(tr("スマホへの公開を始められませんでした。\n%1").arg(failure->reason));
        return false;
    }
    m_url = liveUrl(address, m_service.port());
    m_title = m_dialog.windowTitle();
    showAddress();
    return true;
}

void LiveServing::stop()
{
    if (!m_service.isServing())
        return;
    m_service.stop();
    m_url.clear();
    m_dialog.setWindowTitle(m_title);
    showAddress();
}

void LiveServing::showOn(AudienceScreen *screen)
{
    m_screen = screen;
    m_service.awaitPaints();
    connect(screen, &AudienceScreen::boardPainted, &m_service, &LiveService::boardPainted,
            Qt::UniqueConnection);
    showAddress();
}

void LiveServing::refuse(const QString &text)
{
    m_action->setChecked(false);
    m_messages.show(&m_dialog, MessagePresenter::Icon::Warning, itemText(), text);
}

void LiveServing::showAddress()
{
    const bool serving = m_service.isServing();
    m_action->setChecked(serving);
    m_action->setToolTip(m_url);
    if (serving)
        m_dialog.setWindowTitle(tr("%1  –  公開中 %2").arg(m_title, m_url));
    if (!m_screen)
        return;
    delete m_corner;
    if (serving)
        m_corner = new LiveCorner(m_board, m_url);
    m_screen->setCorner(m_corner);
}

void LiveServing::setPhoneSheetPolicy(const PhoneSheetPolicy &policy)
{
    m_policy = policy;
    m_service.setPhoneSheetPolicy(policy);
}
