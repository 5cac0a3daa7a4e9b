// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assessment/questionnaire.h"
#include "panel_places.h"
#include "panel_ticks.h"
#include "program_driver.h"
#include "resources/look.h"
#include "twips_output.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QRandomGenerator>
#include <QScreen>
#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <set>

// Random real input across the whole program, sent through its windows as the window system
// would, with the program checked after every step. The seed fixes the input; the panels' own
// timers still tick in real time, so a rerun sends the same events, though a panel may stand a
// step higher or lower when they land.
//
//   VELORIN_MONKEY_SEED   another seed (decimal), to reproduce a failure or explore
//   VELORIN_MONKEY_STEPS  how many random steps (each one or more events)
//   VELORIN_MONKEY_TRACE  print every step as it is taken, to follow a crash

namespace {

constexpr quint32 kDefaultSeed = 1208;
// Short enough for every build; the default preset's build also runs 60,000 (tst_monkey_long).
constexpr int kDefaultSteps = 6000;

using ShownAnswers = std::array<QString, oracle::kQuestions>;

QString answersText(const ShownAnswers& shown)
{
    QStringList parts;
    for (const QString& text : shown) {
        parts << QLatin1Char('"') + text.left(40) + QLatin1Char('"');
    }
    return parts.join(QLatin1Char(' '));
}

int environmentNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

QWidget* widgetOf(QWindow* window)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() == window) {
            return top;
        }
    }
    return nullptr;
}

QString nameOf(QWindow* window)
{
    const QWidget* top = widgetOf(window);
    return QLatin1String(top != nullptr ? top->metaObject()->className() : "?");
}

// Where in which window the pointer acts, for the trail.
QString spot(QPoint at, QWindow* window)
{
    return QStringLiteral("%1,%2 of %3").arg(at.x()).arg(at.y()).arg(nameOf(window));
}

// What the lists showed when the calculate button came up, and the result panel's texts after
// the click.
struct Calculation
{
    ShownAnswers shown;
    oracle::Result result;
};

// The sums a calculation may have reached: each list counts what it showed, except that a list
// whose text changed before it came to rest was being erased by the typing guard, and typed
// text counts as no answer even while it still reads like one.
std::set<int> possiblePoints(const ShownAnswers& atClick, const ShownAnswers& atRest)
{
    std::set<int> sums{0};
    for (int i = 0; i < oracle::kQuestions; ++i) {
        const auto index = static_cast<std::size_t>(i);
        std::set<int> next;
        for (const int sum : sums) {
            next.insert(sum + oracle::pointsFor(i, atClick[index]));
            if (atClick[index] != atRest[index]) {
                next.insert(sum + 1);
            }
        }
        sums = std::move(next);
    }
    return sums;
}

// Where a panel stood when last seen, to tell a rise from a jump.
struct PanelTrack
{
    QPointer<SlideInPanel> panel;
    Twips left;
    Twips lastTop;
    std::optional<Twips> restingTop;
};

class Monkey : public QObject
{
public:
    Monkey(ProgramDriver& program, quint32 seed)
        : m_program(program), m_questionnaire(&program.questionnaire()), m_random(seed)
    {
        // Connected after the window's own handlers, so these run once the program has
        // answered the press or the click.
        m_questionnaire->calculateButton->installEventFilter(this);
        connect(m_questionnaire->calculateButton, &forms::Label::mouseDown, this,
                &Monkey::afterButtonDown);
        connect(m_questionnaire->calculateButton, &forms::Label::clicked, this,
                &Monkey::afterCalculation);
    }

    void step();
    void verifyInvariants();
    void showAboutAndCloseIt();
    void endThroughTheCloseLabel();

    QStringList trail() const { return m_trail; }
    int events() const { return m_events; }
    const std::map<QString, int>& tally() const { return m_tally; }
    int count(const QString& what) const { return m_tally.contains(what) ? m_tally.at(what) : 0; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            // The lists as they stand when the button comes up, before the click is handled.
            m_beforeClick = m_program.shownAnswers();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    forms::FormRegistry& registry() { return m_program.registry(); }
    QWindow* mainWindow() { return m_questionnaire->windowHandle(); }
    Qt::MouseButtons held() const { return system_events::heldButtons(); }

    void note(const QString& what)
    {
        if (m_tracing) {
            std::fprintf(stderr, "%s\n", qPrintable(what));
            std::fflush(stderr);
        }
        m_trail.append(what);
        if (m_trail.size() > 40) {
            m_trail.removeFirst();
        }
    }
    void tallyOne(const QString& what) { ++m_tally[what]; }
    void hookFailed(const QString& what)
    {
        if (m_hookFailure.isEmpty()) {
            m_hookFailure = what;
        }
    }

    void afterButtonDown(int)
    {
        const ResultPanel* panel = registry().loadedForm<ResultPanel>();
        if (panel == nullptr || !panel->isVisible()) {
            hookFailed(
                QStringLiteral("the calculate button went down, the result panel is not shown"));
        }
    }

    void afterCalculation()
    {
        tallyOne(QStringLiteral("calculations checked"));
        const ResultPanel* panel = registry().loadedForm<ResultPanel>();
        if (panel == nullptr) {
            hookFailed(QStringLiteral("no result panel after a calculation"));
            return;
        }
        if (panel->riseTimer->isEnabled()) {
            tallyOne(QStringLiteral("calculations mid-rise"));
        }
        if (oracle::pointsShown(m_beforeClick) > oracle::kQuestions) {
            tallyOne(QStringLiteral("calculations with answers chosen"));
        }
        // Compared once the step is over: telling a list the typing guard was still erasing
        // needs the lists to come to rest, which cannot happen inside the click.
        m_calculation = Calculation{m_beforeClick, m_program.shownResult()};
        const WelcomePanel* welcome = registry().loadedForm<WelcomePanel>();
        if (welcome == nullptr || welcome->isVisible()) {
            hookFailed(QStringLiteral("the welcome panel is still in view after a calculation"));
        }
    }

    // Windows the pointer can reach: the shown forms and an open drop-down or menu.
    QList<QWindow*> reachableWindows()
    {
        QList<QWindow*> windows{mainWindow()};
        for (const SlideInPanel* panel : shownPanels()) {
            windows << panel->windowHandle();
        }
        if (QWidget* popup = QApplication::activePopupWidget()) {
            // Twice: an open drop-down is where the pointer goes next, more often than not.
            windows << popup->windowHandle() << popup->windowHandle();
        }
        return windows;
    }

    // The panels the pointer can reach: risen into view past the lowest rows of their window,
    // which alone show while a panel has only just come above the bottom edge.
    QList<SlideInPanel*> shownPanels()
    {
        QList<SlideInPanel*> panels;
        for (SlideInPanel* panel :
             {static_cast<SlideInPanel*>(registry().loadedForm<WelcomePanel>()),
              static_cast<SlideInPanel*>(registry().loadedForm<ResultPanel>())}) {
            if (panel != nullptr && panel->isVisible() && panel->windowHandle()->isExposed() &&
                panel->mask().isEmpty()) {
                panels << panel;
            }
        }
        return panels;
    }

    template <class T> T pick(const QList<T>& from)
    {
        return from.at(static_cast<qsizetype>(m_random.bounded(static_cast<quint32>(from.size()))));
    }
    int below(int bound) { return static_cast<int>(m_random.bounded(static_cast<quint32>(bound))); }
    bool chance(int percent) { return below(100) < percent; }

    QPoint anywhereIn(QSize size)
    {
        // QTest takes the point (0, 0) for "the centre".
        QPoint at(below(size.width()), below(size.height()));
        return at.isNull() ? QPoint(1, 0) : at;
    }

    QPoint somewhereOn(const QWidget* control)
    {
        const QPoint inside(below(control->width()), below(control->height()));
        const QPoint at = control->mapTo(control->window(), inside);
        return at.isNull() ? QPoint(1, 0) : at;
    }

    std::optional<QPoint> bareSurfaceOf(QWidget* top)
    {
        for (int attempt = 0; attempt < 40; ++attempt) {
            const QPoint at = anywhereIn(top->size());
            if (top->childAt(at) == nullptr) {
                return at;
            }
        }
        return std::nullopt;
    }

    QPoint pointOnSomething(QWindow* window);
    // A point inside the window: a label may reach past the window's edge, where it is cut.
    QPoint pointIn(QWindow* window)
    {
        const QPoint at = pointOnSomething(window);
        const QPoint inside(std::clamp(at.x(), 0, window->width() - 1),
                            std::clamp(at.y(), 0, window->height() - 1));
        return inside.isNull() ? QPoint(1, 0) : inside;
    }
    bool safeToPress(QWindow* window, QPoint at);
    std::optional<QPoint> safePointIn(QWindow* window);
    Qt::MouseButton anyButton();
    Qt::KeyboardModifiers someModifiers();
    QWindow* keyboardWindow();
    void strikeKey(Qt::Key key, Qt::KeyboardModifiers modifiers);

    void sendRaw(QWindow* window, QPoint at, Qt::MouseButtons state, Qt::MouseButton button,
                 QEvent::Type type)
    {
        system_events::sendMouse(window, at, state, button, type);
        ++m_events;
        if (chance(60)) {
            QCoreApplication::processEvents();
        }
    }

    // What the pointer works on while buttons are held: where the first one went down.
    QWindow* grabWindow()
    {
        if (m_grab && m_grab->isVisible()) {
            return m_grab;
        }
        return mainWindow();
    }

    void move();
    void pressOne();
    void releaseOne();
    void click();
    void doubleClick();
    void wheel();
    void typeText();
    void paste();
    void pressAKey();
    void tickTimers();
    void waitAMoment();
    void changeScreenSize();
    void calculate();
    void closePanelByItsLabel();
    void closePanelByDoubleClick();
    void letGoOfEverything();
    void giveTheKeyboardBack();
    void bringTheWindowBack();
    void verifyPanel(SlideInPanel* panel, PanelTrack& track, const char* name);
    void verifyCalculation();
    ShownAnswers answersAtRest();

    ProgramDriver& m_program;
    QuestionnaireWindow* m_questionnaire;
    QRandomGenerator m_random;
    QPointer<QWindow> m_grab;
    ShownAnswers m_beforeClick{};
    std::optional<Calculation> m_calculation;
    QString m_hookFailure;
    QStringList m_trail;
    std::map<QString, int> m_tally;
    int m_events = 0;
    bool m_tracing = qEnvironmentVariableIsSet("VELORIN_MONKEY_TRACE");
    QSize m_screenAtLastLook = QGuiApplication::primaryScreen()->size();
    PanelTrack m_resultTrack;
    PanelTrack m_welcomeTrack;
};

QPoint Monkey::pointOnSomething(QWindow* window)
{
    QWidget* top = widgetOf(window);
    if (top == nullptr || chance(30)) {
        return anywhereIn(window->size());
    }
    if (top == m_questionnaire) {
        forms::AnswerList* list = m_questionnaire->answerLists[below(assessment::kQuestionCount)];
        switch (below(12)) {
        case 0:
        case 1:
        case 2:
            return somewhereOn(m_questionnaire->calculateButton);
        case 3:
        case 4:
        case 5:
            return somewhereOn(list->lineEdit());
        case 6:
        case 7:
            // The arrow button at the list's right end.
            return list->mapTo(m_questionnaire,
                               QPoint(list->width() - 1 - below(14), below(list->height())));
        case 8:
            return somewhereOn(m_questionnaire->questionLabels[below(assessment::kQuestionCount)]);
        case 9:
            return somewhereOn(m_questionnaire->title);
        default:
            return bareSurfaceOf(m_questionnaire).value_or(anywhereIn(window->size()));
        }
    }
    if (auto* panel = qobject_cast<SlideInPanel*>(top)) {
        switch (below(6)) {
        case 0:
            return somewhereOn(panel->closeButton);
        case 1:
        case 2:
            return somewhereOn(pick(panel->findChildren<forms::Label*>()));
        default:
            return bareSurfaceOf(panel).value_or(anywhereIn(window->size()));
        }
    }
    if (auto* menu = qobject_cast<QMenu*>(top)) {
        const QList<QAction*> actions = menu->actions();
        if (!actions.isEmpty()) {
            const QRect area = menu->actionGeometry(pick(actions));
            if (area.isValid()) {
                return area.topLeft() + anywhereIn(area.size());
            }
        }
    }
    if (auto* view = top->findChild<QAbstractItemView*>(); view && view->model()) {
        const int rows = view->model()->rowCount();
        if (rows > 0) {
            const QRect area = view->visualRect(view->model()->index(below(rows), 0));
            if (area.isValid()) {
                return view->viewport()->mapTo(top, area.topLeft() + anywhereIn(area.size()));
            }
        }
    }
    return anywhereIn(window->size());
}

// The questionnaire window's "X" ends the program and its "?" waits for the user: neither is
// pressed at random. A press that closes a drop-down is replayed to whatever lies beneath it
// on the screen, so that counts too.
bool Monkey::safeToPress(QWindow* window, QPoint at)
{
    const auto guarded = [this](const QWidget* widget) {
        return widget != nullptr &&
               (widget == m_questionnaire->closeButton || widget == m_questionnaire->aboutButton);
    };
    if (window == mainWindow() && guarded(m_questionnaire->childAt(at))) {
        return false;
    }
    if (QApplication::activePopupWidget() != nullptr &&
        guarded(QApplication::widgetAt(window->mapToGlobal(at)))) {
        return false;
    }
    return true;
}

std::optional<QPoint> Monkey::safePointIn(QWindow* window)
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        const QPoint at = pointIn(window);
        if (safeToPress(window, at)) {
            return at;
        }
    }
    return std::nullopt;
}

Qt::MouseButton Monkey::anyButton()
{
    const int roll = below(10);
    return roll < 6 ? Qt::LeftButton : roll < 8 ? Qt::RightButton : Qt::MiddleButton;
}

Qt::KeyboardModifiers Monkey::someModifiers()
{
    if (chance(90)) {
        return Qt::NoModifier;
    }
    const Qt::KeyboardModifier each[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
    return each[below(3)];
}

QWindow* Monkey::keyboardWindow()
{
    giveTheKeyboardBack();
    QWindow* focused = QGuiApplication::focusWindow();
    if (m_tracing) {
        note(QStringLiteral("keys to %1")
                 .arg(focused != nullptr ? nameOf(focused) : QStringLiteral("none")));
    }
    if (focused == nullptr) {
        tallyOne(QStringLiteral("keys with no window active"));
    }
    return focused != nullptr ? focused : mainWindow();
}

// A key struck with its modifiers held, each press and release sent to the window that has
// the keyboard at that moment, as the window system sends them. QTest sends the whole chord
// to one window, which the press of Alt alone has already closed and deleted when it is a menu.
void Monkey::strikeKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    static constexpr std::pair<Qt::KeyboardModifier, Qt::Key> kModifierKeys[] = {
        {Qt::ShiftModifier, Qt::Key_Shift},
        {Qt::ControlModifier, Qt::Key_Control},
        {Qt::AltModifier, Qt::Key_Alt}};
    Qt::KeyboardModifiers held;
    for (const auto& [modifier, modifierKey] : kModifierKeys) {
        if (modifiers.testFlag(modifier)) {
            QTest::simulateEvent(keyboardWindow(), true, modifierKey, held, {}, false);
            held |= modifier;
        }
    }
    const char ascii = QTest::keyToAscii(key);
    const QString text = ascii != 0 ? QString(QChar::fromLatin1(ascii)) : QString();
    QTest::simulateEvent(keyboardWindow(), true, key, held, text, false);
    QTest::simulateEvent(keyboardWindow(), false, key, held, text, false);
    for (auto each = std::rbegin(kModifierKeys); each != std::rend(kModifierKeys); ++each) {
        if (modifiers.testFlag(each->first)) {
            QTest::simulateEvent(keyboardWindow(), false, each->second, held, {}, false);
            held &= ~each->first;
        }
    }
}

void Monkey::move()
{
    if (held() != Qt::NoButton) {
        QWindow* window = grabWindow();
        // Held buttons drag the pointer anywhere, off the window too.
        QPoint at = pointIn(window);
        if (chance(15)) {
            at += QPoint(below(400) - 200, below(400) - 200);
        }
        note(QStringLiteral("move holding %1 to %2").arg(int(held())).arg(spot(at, window)));
        sendRaw(window, at, held(), Qt::NoButton, QEvent::MouseMove);
        return;
    }
    QWindow* window = pick(reachableWindows());
    const QPoint at = pointIn(window);
    note(QStringLiteral("move to %1").arg(spot(at, window)));
    QTest::mouseMove(window, at);
    ++m_events;
}

void Monkey::pressOne()
{
    const Qt::MouseButton button = anyButton();
    if (held().testFlag(button)) {
        releaseOne();
        return;
    }
    if (held() == Qt::NoButton) {
        QWindow* window = pick(reachableWindows());
        const std::optional<QPoint> at = safePointIn(window);
        if (!at) {
            return;
        }
        note(QStringLiteral("press %1 at %2").arg(int(button)).arg(spot(*at, window)));
        m_grab = window;
        QTest::mousePress(window, button, someModifiers(), *at);
        ++m_events;
        return;
    }
    QWindow* window = grabWindow();
    const std::optional<QPoint> at = safePointIn(window);
    if (!at) {
        return;
    }
    note(QStringLiteral("press %1 too at %2").arg(int(button)).arg(spot(*at, window)));
    tallyOne(QStringLiteral("presses with another button held"));
    sendRaw(window, *at, held() | button, button, QEvent::MouseButtonPress);
}

void Monkey::releaseOne()
{
    if (held() == Qt::NoButton) {
        return;
    }
    QList<Qt::MouseButton> down;
    for (const Qt::MouseButton each : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (held().testFlag(each)) {
            down << each;
        }
    }
    const Qt::MouseButton button = pick(down);
    QWindow* window = grabWindow();
    const QPoint at = pointIn(window);
    note(QStringLiteral("release %1 at %2").arg(int(button)).arg(spot(at, window)));
    if (down.size() == 1 && chance(70)) {
        QTest::mouseRelease(window, button, {}, at);
        ++m_events;
    } else {
        sendRaw(window, at, held() & ~Qt::MouseButtons(button), button, QEvent::MouseButtonRelease);
    }
}

void Monkey::click()
{
    QWindow* window = pick(reachableWindows());
    const std::optional<QPoint> at = safePointIn(window);
    if (!at) {
        return;
    }
    const Qt::MouseButton button = anyButton();
    note(QStringLiteral("click %1 at %2").arg(int(button)).arg(spot(*at, window)));
    QTest::mouseClick(window, button, someModifiers(), *at);
    m_events += 2;
}

void Monkey::doubleClick()
{
    QWindow* window = pick(reachableWindows());
    const std::optional<QPoint> at = safePointIn(window);
    if (!at) {
        return;
    }
    const Qt::MouseButton button = chance(80) ? Qt::LeftButton : anyButton();
    note(QStringLiteral("double click %1 at %2").arg(int(button)).arg(spot(*at, window)));
    QTest::mouseDClick(window, button, {}, *at);
    m_events += 4;
}

void Monkey::wheel()
{
    QWindow* window = held() != Qt::NoButton ? grabWindow() : pick(reachableWindows());
    const QPoint at = pointIn(window);
    const QPoint angle(0, chance(50) ? 120 : -120);
    note(QStringLiteral("wheel %1 at %2").arg(angle.y()).arg(spot(at, window)));
    system_events::sendWheel(window, at, angle);
    ++m_events;
    QCoreApplication::processEvents();
}

void Monkey::typeText()
{
    static const QString letters =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,-");
    const int length = 1 + below(chance(80) ? 3 : 12);
    QString typed;
    for (int i = 0; i < length; ++i) {
        typed += letters.at(below(static_cast<int>(letters.size())));
    }
    note(QStringLiteral("type \"%1\" to %2").arg(typed, nameOf(keyboardWindow())));
    for (const QChar each : typed) {
        // Asked afresh for every key: a letter can pick a menu entry and close the menu.
        QTest::keyClick(keyboardWindow(), each.toLatin1());
        m_events += 2;
    }
}

void Monkey::paste()
{
    static const QString pieces[] = {QStringLiteral("Reddish"),
                                     QStringLiteral("Dark"),
                                     QStringLiteral(" "),
                                     QStringLiteral("\t"),
                                     QStringLiteral("\n"),
                                     QStringLiteral("\u00e9t\u00e9"),
                                     QStringLiteral("\u0634\u0645\u0633"),
                                     QStringLiteral("\u65e5\u5149"),
                                     QStringLiteral("\U0001F31E"),
                                     QStringLiteral("0123456789")};
    const int roll = below(100);
    const int length = roll < 80 ? 1 + below(60) : roll < 98 ? 60 + below(340) : 400 + below(1600);
    QString text;
    while (text.size() < length) {
        text += pieces[below(10)];
    }
    QGuiApplication::clipboard()->setText(text);
    const bool replaceAll = chance(30);
    note(QStringLiteral("paste %1 characters%2 to %3")
             .arg(text.size())
             .arg(replaceAll ? " over all" : "")
             .arg(nameOf(keyboardWindow())));
    if (replaceAll) {
        strikeKey(Qt::Key_A, Qt::ControlModifier);
    }
    if (chance(80)) {
        strikeKey(Qt::Key_V, Qt::ControlModifier);
    } else {
        strikeKey(Qt::Key_Insert, Qt::ShiftModifier);
    }
    m_events += 4;
    tallyOne(QStringLiteral("pastes"));
}

void Monkey::pressAKey()
{
    struct Key
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
    };
    static const Key keys[] = {
        {Qt::Key_Return, {}, "Return"},
        {Qt::Key_Enter, {}, "Enter"},
        {Qt::Key_Tab, {}, "Tab"},
        {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
        {Qt::Key_Up, {}, "Up"},
        {Qt::Key_Down, {}, "Down"},
        {Qt::Key_Left, {}, "Left"},
        {Qt::Key_Right, {}, "Right"},
        {Qt::Key_Home, {}, "Home"},
        {Qt::Key_End, {}, "End"},
        {Qt::Key_PageUp, {}, "PageUp"},
        {Qt::Key_PageDown, {}, "PageDown"},
        {Qt::Key_Escape, {}, "Escape"},
        {Qt::Key_Backspace, {}, "Backspace"},
        {Qt::Key_Delete, {}, "Delete"},
        {Qt::Key_Space, {}, "Space"},
        {Qt::Key_F4, {}, "F4"},
        {Qt::Key_Down, Qt::AltModifier, "Alt+Down"},
        {Qt::Key_Up, Qt::AltModifier, "Alt+Up"},
        {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
        {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"},
        {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
        {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
        {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
        {Qt::Key_Left, Qt::ShiftModifier, "Shift+Left"},
        {Qt::Key_End, Qt::ShiftModifier, "Shift+End"},
    };
    // Tab and the arrows are what a keyboard user leans on most.
    const Key& key =
        chance(40) ? keys[2 + below(4)] : keys[below(static_cast<int>(std::size(keys)))];
    note(QStringLiteral("key %1 to %2").arg(QLatin1String(key.name), nameOf(keyboardWindow())));
    strikeKey(key.key, key.modifiers);
    m_events += 2;
}

void Monkey::tickTimers()
{
    for (SlideInPanel* panel : m_program.loadedPanels()) {
        if (panel == nullptr) {
            continue;
        }
        const int pairs = 1 + below(40);
        note(QStringLiteral("tick %1 %2 times").arg(panel->metaObject()->className()).arg(pairs));
        tickPanel(*panel, pairs);
    }
}

void Monkey::waitAMoment()
{
    const int milliseconds = below(4);
    note(QStringLiteral("wait %1 ms").arg(milliseconds));
    QTest::qWait(milliseconds);
}

void Monkey::changeScreenSize()
{
    static const QSize sizes[] = {QSize(1920, 1080), QSize(1280, 720),  QSize(800, 600),
                                  QSize(1024, 768),  QSize(2560, 1440), QSize(3840, 2160),
                                  QSize(1366, 768),  QSize(640, 480)};
    const QSize size = sizes[below(static_cast<int>(std::size(sizes)))];
    note(QStringLiteral("screen %1x%2").arg(size.width()).arg(size.height()));
    for (SlideInPanel* panel : m_program.loadedPanels()) {
        if (panel != nullptr && panel->riseTimer->isEnabled()) {
            tallyOne(QStringLiteral("screen changes mid-rise"));
        }
    }
    ScreenSizeChange::resize(size);
    tallyOne(QStringLiteral("screen changes"));
    // A panel the new screen would cut is placed again: follow each from where it now is.
    // One that fits stays where it rested, however close to the new bottom: the next look
    // counts as on a changed screen, even when the new size is the old one.
    m_resultTrack.panel.clear();
    m_welcomeTrack.panel.clear();
    m_screenAtLastLook = QSize();
}

void Monkey::calculate()
{
    const std::optional<QPoint> at = [this]() -> std::optional<QPoint> {
        const QPoint on = somewhereOn(m_questionnaire->calculateButton);
        return safeToPress(mainWindow(), on) ? std::optional<QPoint>(on) : std::nullopt;
    }();
    if (!at) {
        return;
    }
    note(QStringLiteral("calculate at %1,%2").arg(at->x()).arg(at->y()));
    QTest::mouseClick(mainWindow(), Qt::LeftButton, {}, *at);
    m_events += 2;
}

// Releases every button and closes any drop-down, as a user does before a deliberate click.
void Monkey::letGoOfEverything()
{
    while (held() != Qt::NoButton) {
        releaseOne();
    }
    for (int attempt = 0; attempt < 5 && QApplication::activePopupWidget() != nullptr; ++attempt) {
        note(QStringLiteral("Escape to close %1")
                 .arg(QApplication::activePopupWidget()->metaObject()->className()));
        QTest::keyClick(QApplication::activePopupWidget()->windowHandle(), Qt::Key_Escape);
        m_events += 2;
    }
    QVERIFY2(QApplication::activePopupWidget() == nullptr, "a drop-down ignores Escape");
}

void Monkey::closePanelByItsLabel()
{
    const QList<SlideInPanel*> panels = shownPanels();
    if (panels.isEmpty()) {
        return;
    }
    letGoOfEverything();
    SlideInPanel* panel = pick(panels);
    const bool isResult = qobject_cast<ResultPanel*>(panel) != nullptr;
    note(QStringLiteral("close %1 by its X").arg(panel->metaObject()->className()));
    QTest::mouseClick(panel->windowHandle(), Qt::LeftButton, {}, somewhereOn(panel->closeButton));
    m_events += 2;
    QVERIFY(isResult ? registry().loadedForm<ResultPanel>() == nullptr
                     : registry().loadedForm<WelcomePanel>() == nullptr);
    tallyOne(QStringLiteral("panels closed by X"));
}

void Monkey::closePanelByDoubleClick()
{
    const QList<SlideInPanel*> panels = shownPanels();
    if (panels.isEmpty()) {
        return;
    }
    letGoOfEverything();
    SlideInPanel* panel = pick(panels);
    const std::optional<QPoint> at = bareSurfaceOf(panel);
    if (!at) {
        return;
    }
    const bool isResult = qobject_cast<ResultPanel*>(panel) != nullptr;
    note(QStringLiteral("close by a double click at %1").arg(spot(*at, panel->windowHandle())));
    QTest::mouseDClick(panel->windowHandle(), Qt::LeftButton, {}, *at);
    m_events += 4;
    QVERIFY(isResult ? registry().loadedForm<ResultPanel>() == nullptr
                     : registry().loadedForm<WelcomePanel>() == nullptr);
    tallyOne(QStringLiteral("panels closed by double click"));
}

// Drags the questionnaire window back by its caption bar once it has wandered off the screen.
void Monkey::bringTheWindowBack()
{
    letGoOfEverything();
    QWindow* window = mainWindow();
    const QPoint grip(100, 15);
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const QPoint target((screen.width() - window->width()) / 2 + grip.x(),
                        (screen.height() - window->height()) / 2 + grip.y());
    note(QStringLiteral("drag the window back from %1,%2")
             .arg(m_questionnaire->pos().x())
             .arg(m_questionnaire->pos().y()));
    QTest::mousePress(window, Qt::LeftButton, {}, grip);
    QTest::mouseMove(window, grip + QPoint(1, 1));
    sendRaw(window, window->mapFromGlobal(target), Qt::LeftButton, Qt::NoButton, QEvent::MouseMove);
    sendRaw(window, window->mapFromGlobal(target), Qt::NoButton, Qt::LeftButton,
            QEvent::MouseButtonRelease);
    m_events += 2;
    tallyOne(QStringLiteral("window dragged back"));
}

// A drop-down or menu keeps the keyboard on the desktop's side with the window it dropped
// from; Qt's offscreen platform leaves no window active, or a hidden one, once it closes.
void Monkey::giveTheKeyboardBack()
{
    const QWindow* focused = QGuiApplication::focusWindow();
    if ((focused == nullptr || !focused->isVisible()) &&
        QApplication::activePopupWidget() == nullptr &&
        QApplication::activeModalWidget() == nullptr) {
        system_events::activate(mainWindow());
        tallyOne(QStringLiteral("keyboard handed back after a drop-down"));
    }
}

void Monkey::step()
{
    giveTheKeyboardBack();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    if (held() == Qt::NoButton && !screen.intersects(m_questionnaire->geometry())) {
        bringTheWindowBack();
        return;
    }
    if (QApplication::activePopupWidget() != nullptr) {
        tallyOne(QStringLiteral("steps with a drop-down open"));
    }
    const int roll = below(1000);
    if (held() != Qt::NoButton) {
        if (roll < 450) {
            move();
        } else if (roll < 600) {
            pressOne();
        } else if (roll < 900) {
            releaseOne();
        } else if (roll < 950) {
            pressAKey();
        } else if (roll < 980) {
            tickTimers();
        } else {
            wheel();
        }
        return;
    }
    if (roll < 220) {
        move();
    } else if (roll < 310) {
        pressOne();
    } else if (roll < 470) {
        click();
    } else if (roll < 520) {
        doubleClick();
    } else if (roll < 595) {
        typeText();
    } else if (roll < 610) {
        paste();
    } else if (roll < 730) {
        pressAKey();
    } else if (roll < 780) {
        calculate();
    } else if (roll < 787) {
        closePanelByItsLabel();
    } else if (roll < 794) {
        closePanelByDoubleClick();
    } else if (roll < 880) {
        tickTimers();
    } else if (roll < 935) {
        waitAMoment();
    } else if (roll < 950) {
        changeScreenSize();
    } else if (roll < 960) {
        wheel();
    } else {
        QCoreApplication::processEvents();
    }
}

void Monkey::verifyPanel(SlideInPanel* panel, PanelTrack& track, const char* name)
{
    if (panel != track.panel) {
        track = PanelTrack{
            panel, panel ? panel->leftTwips() : Twips(), panel ? panel->topTwips() : Twips(), {}};
    }
    if (panel == nullptr) {
        return;
    }
    // Between screen changes a panel only ever rises, stays at its left, and once at rest
    // stands still for good.
    QVERIFY2(panel->leftTwips() == track.left, name);
    QVERIFY2(panel->topTwips() <= track.lastTop,
             qPrintable(QStringLiteral("%1 went down from %2 to %3")
                            .arg(QLatin1String(name))
                            .arg(track.lastTop.value())
                            .arg(panel->topTwips().value())));
    track.lastTop = panel->topTwips();
    if (!panel->riseTimer->isEnabled()) {
        QVERIFY2(!panel->stopTimer->isRunning(), name);
        if (!track.restingTop) {
            track.restingTop = panel->topTwips();
            tallyOne(QStringLiteral("panels come to rest"));
            // Stopped on this screen (it has not changed since the last look): clear of its
            // bottom edge by more than the margin.
            if (m_screenAtLastLook == QGuiApplication::primaryScreen()->size()) {
                const Twips gap = panel_places::gapAboveBottom(*panel);
                QVERIFY2(gap > panel_places::kRestAboveBottom,
                         qPrintable(QStringLiteral("%1 came to rest %2 twips above the bottom")
                                        .arg(QLatin1String(name))
                                        .arg(gap.value())));
            }
        }
        // Whatever the screen did, a resting panel can be seen whole.
        QVERIFY2(panel_places::standsWhollyOnScreen(*panel),
                 qPrintable(QStringLiteral("%1 rests off the screen at (%2, %3)")
                                .arg(QLatin1String(name))
                                .arg(panel->leftTwips().value())
                                .arg(panel->topTwips().value())));
        QVERIFY2(panel->topTwips() == *track.restingTop,
                 qPrintable(QStringLiteral("%1 moved at rest").arg(QLatin1String(name))));
    }
}

// Lets the typing guard finish: each pass delivers its next Backspace, so a pass that
// changes nothing finds every list at rest. The longest text takes 255 passes.
ShownAnswers Monkey::answersAtRest()
{
    ShownAnswers shown = m_program.shownAnswers();
    for (int pass = 0; pass <= forms::AnswerList::kLongestText; ++pass) {
        QCoreApplication::processEvents();
        const ShownAnswers now = m_program.shownAnswers();
        if (now == shown) {
            break;
        }
        shown = now;
    }
    return shown;
}

void Monkey::verifyCalculation()
{
    if (!m_calculation) {
        return;
    }
    const Calculation calculation = *std::exchange(m_calculation, std::nullopt);
    const auto shows = [&calculation](const std::set<int>& sums) {
        return std::ranges::any_of(
            sums, [&](int points) { return calculation.result == oracle::resultFor(points); });
    };
    if (shows(possiblePoints(calculation.shown, calculation.shown))) {
        return;
    }
    // Only now, and rarely, is the order of events disturbed: to see which lists were mid-erasure.
    if (shows(possiblePoints(calculation.shown, answersAtRest()))) {
        tallyOne(QStringLiteral("calculations during an erasure"));
        return;
    }
    QFAIL(qPrintable(QStringLiteral("lists showing %1 scored as \"%2\" \"%3\", expected %4 points")
                         .arg(answersText(calculation.shown), calculation.result.caption,
                              calculation.result.pointsLine)
                         .arg(oracle::pointsShown(calculation.shown))));
}

void Monkey::verifyInvariants()
{
    QVERIFY2(m_hookFailure.isEmpty(), qPrintable(m_hookFailure));
    verifyCalculation();
    if (QTest::currentTestFailed()) {
        return;
    }
    QVERIFY2(!registry().hasEnded(), "the program ended without its X being clicked");
    QCOMPARE(registry().loadedForm<QuestionnaireWindow>(), m_questionnaire);
    QVERIFY(m_questionnaire->isVisible());
    QVERIFY(QApplication::activeModalWidget() == nullptr);

    m_program.verifyListsHoldTheQuestionnaire();

    int shownForm1 = 0;
    int shownResults = 0;
    int shownWelcomes = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible()) {
            continue;
        }
        if (qobject_cast<QuestionnaireWindow*>(top) != nullptr) {
            ++shownForm1;
            QCOMPARE(top, static_cast<QWidget*>(registry().loadedForm<QuestionnaireWindow>()));
        } else if (qobject_cast<ResultPanel*>(top) != nullptr) {
            ++shownResults;
            QCOMPARE(top, static_cast<QWidget*>(registry().loadedForm<ResultPanel>()));
        } else if (qobject_cast<WelcomePanel*>(top) != nullptr) {
            ++shownWelcomes;
            QCOMPARE(top, static_cast<QWidget*>(registry().loadedForm<WelcomePanel>()));
        }
    }
    QCOMPARE(shownForm1, 1);
    QVERIFY(shownResults <= 1);
    QVERIFY(shownWelcomes <= 1);

    verifyPanel(registry().loadedForm<ResultPanel>(), m_resultTrack, "the result panel");
    verifyPanel(registry().loadedForm<WelcomePanel>(), m_welcomeTrack, "the welcome panel");
    m_screenAtLastLook = QGuiApplication::primaryScreen()->size();
}

void Monkey::showAboutAndCloseIt()
{
    letGoOfEverything();
    note(QStringLiteral("about"));
    const bool shown = ProgramDriver::aboutMessageCameUp(
        [this] { ProgramDriver::click(m_questionnaire->aboutButton); });
    m_events += 2;
    QVERIFY2(shown, "the about message did not come up");
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    tallyOne(QStringLiteral("about messages"));
}

void Monkey::endThroughTheCloseLabel()
{
    letGoOfEverything();
    note(QStringLiteral("X"));
    const QPointer<QuestionnaireWindow> form1 = m_questionnaire;
    const QPointer<ResultPanel> result = registry().loadedForm<ResultPanel>();
    const QPointer<WelcomePanel> welcome = registry().loadedForm<WelcomePanel>();
    ProgramDriver::click(m_questionnaire->closeButton);
    m_events += 2;
    QVERIFY(registry().hasEnded());
    QVERIFY(registry().loadedForm<QuestionnaireWindow>() == nullptr);
    QVERIFY(registry().loadedForm<ResultPanel>() == nullptr);
    QVERIFY(registry().loadedForm<WelcomePanel>() == nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form1.isNull());
    QVERIFY(result.isNull());
    QVERIFY(welcome.isNull());
    for (QWidget* top : QApplication::topLevelWidgets()) {
        QVERIFY2(qobject_cast<forms::Form*>(top) == nullptr, top->metaObject()->className());
    }
}

} // namespace

class MonkeyTest : public ProgramTestCase
{
    Q_OBJECT

private slots:
    void randomInputKeepsTheProgramWhole()
    {
        const auto seed =
            static_cast<quint32>(environmentNumber("VELORIN_MONKEY_SEED", int(kDefaultSeed)));
        const int steps = environmentNumber("VELORIN_MONKEY_STEPS", kDefaultSteps);
        ScreenSizeChange screen;
        Monkey monkey(program(), seed);

        const auto report = [&](int step) {
            qWarning().noquote() << QStringLiteral("Failed at step %1 of seed %2; to reproduce: "
                                                   "VELORIN_MONKEY_SEED=%2 VELORIN_MONKEY_STEPS=%3")
                                        .arg(step)
                                        .arg(seed)
                                        .arg(step + 1);
            qWarning().noquote() << "Last steps:\n  " + monkey.trail().join(QStringLiteral("\n  "));
        };

        for (int step = 0; step < steps; ++step) {
            // The about message is modal: shown only in its own step, with a closer waiting.
            if (step % 2500 == 1250) {
                monkey.showAboutAndCloseIt();
            } else {
                monkey.step();
            }
            if (!QTest::currentTestFailed()) {
                monkey.verifyInvariants();
            }
            if (QTest::currentTestFailed()) {
                report(step);
                return;
            }
        }
        monkey.endThroughTheCloseLabel();
        if (QTest::currentTestFailed()) {
            report(steps);
            return;
        }

        QStringList tally;
        for (const auto& [what, count] : monkey.tally()) {
            tally << QStringLiteral("%1: %2").arg(what).arg(count);
        }
        qInfo().noquote() << QStringLiteral("seed %1, %2 steps, %3 events; ")
                                     .arg(seed)
                                     .arg(steps)
                                     .arg(monkey.events()) +
                                 tally.join(QStringLiteral(", "));
        if (steps >= 5000) {
            // Enough input that every kind of trouble came up; if not, the monkey itself broke.
            for (const char* what :
                 {"calculations checked", "calculations mid-rise",
                  "calculations with answers chosen", "panels closed by X",
                  "panels closed by double click", "pastes", "screen changes mid-rise",
                  "presses with another button held", "steps with a drop-down open",
                  "panels come to rest", "about messages"}) {
                QVERIFY2(monkey.count(QLatin1String(what)) > 0, what);
            }
        }
    }
};

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
