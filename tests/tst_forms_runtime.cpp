// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/answer_list.h"
#include "controls/control_design.h"
#include "controls/label.h"
#include "controls/line.h"
#include "controls/shape.h"
#include "controls/timer.h"
#include "forms_runtime/form.h"
#include "forms_runtime/form_registry.h"
#include "forms_runtime/keystrokes.h"
#include "forms_runtime/screen.h"
#include "resources/look.h"
#include "system_events.h"
#include "test_screen.h"
#include "twips_output.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <array>
#include <memory>
#include <optional>

using namespace forms;
namespace colours = velorin::colours;

Q_DECLARE_METATYPE(FontSpec)

namespace {

constexpr FontSpec kFont{"Arial", 8, kRegular};
// The look's default font, which the application's font is.
constexpr FontSpec kApplicationFont{"Tahoma", 8.25f, kRegular};

// 400 x 300 pixels at 15 twips a pixel.
constexpr FormDesign kTestFormDesign{
    "Test form", 6000_tw, 4500_tw, colours::kWhite, WindowKind::Main, StartUpPosition::CenterScreen,
    {}};

const QString kTitleCaption = QStringLiteral("Design caption");

LabelDesign labelRow(std::string_view name, std::string_view caption, Twips left, Twips top,
                     Twips width, Twips height, Alignment alignment)
{
    return {name,  kNoIndex,  caption, left, top, width, height, colours::kWhite, colours::kBlack,
            kFont, alignment, 0,       {}};
}

constexpr std::string_view kColours[] = {"Reddish", "Whitish", "Beige", "Brown"};
constexpr std::string_view kAmounts[] = {"Lots", "Some", "Few", "None"};

ListDesign listRow(int index, Twips top, std::span<const std::string_view> entries,
                   const FontSpec& font = kFont)
{
    return {"Answer",        index,           3600_tw, top,       2250_tw, 330_tw,
            colours::kWhite, colours::kBlack, font,    index + 1, entries, entries[0]};
}

template <int Tag> class TestForm : public Form
{
public:
    TestForm() : Form(kTestFormDesign) {}

    // In pixels: the frame (10, 10, 220 x 80) surrounds the title (20, 20, 260 x 60) but for
    // its right end, which reaches under the first list, a vertical rule crosses both at
    // x = 100, a horizontal rule runs over the free surface at y = 150, the button label sits
    // at (20, 200, 100 x 30) and the two lists (150 x 22) at x = 240, y = 20 and y = 80. Front
    // to back, except that lists lie above every label.
    Line* const Rule1 =
        add<Line>({"Rule", 1, 1500_tw, 150_tw, 1500_tw, 1350_tw, colours::kAccent, 3});
    Shape* const Frame =
        add<Shape>({"Frame", 150_tw, 150_tw, 3300_tw, 1200_tw, colours::kAccent, 2});
    Line* const Rule0 =
        add<Line>({"Rule", 0, 150_tw, 2250_tw, 5850_tw, 2250_tw, colours::kBlack, 5});
    Label* const Title = add<Label>(
        labelRow("Title", "Design caption", 300_tw, 300_tw, 3900_tw, 900_tw, Alignment::Left));
    Label* const Button = add<Label>(
        labelRow("Button", "Press me", 300_tw, 3000_tw, 1500_tw, 450_tw, Alignment::Centre));
    const std::array<AnswerList*, 2> Answer =
        add<AnswerList>(std::array{listRow(0, 300_tw, kColours), listRow(1, 1200_tw, kAmounts)});
    Timer* const Ticking = add({"Ticking", 10, true});
    Timer* const Resting = add({"Resting", 10, false});
    Timer* const Zero = add({"Zero", 0, true});

    static inline int loads = 0;

protected:
    void load() override { ++loads; }
};

using MainForm = TestForm<0>;
using SideForm = TestForm<1>;

// Unloads itself when its button label is clicked, from inside the label's handler.
class SelfUnloadingForm : public TestForm<2>
{
public:
    SelfUnloadingForm()
    {
        connect(Button, &Label::clicked, this, [this] {
            const QPointer<Form> self(this);
            forms::unload(*this);
            aliveAfterUnload = !self.isNull();
        });
    }

    // Whether the form was still there when its handler went on after the unload.
    static inline bool aliveAfterUnload = false;
};

QPoint inWindow(const QWidget* widget, QPoint local)
{
    return widget->mapTo(widget->window(), local);
}

QPoint centreInWindow(const QWidget* widget)
{
    return inWindow(widget, widget->rect().center());
}

} // namespace

class FormsRuntimeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void freeAreaMeasuresInTwips_data();
    void freeAreaMeasuresInTwips();
    void positionReadsBackInTwips_data();
    void positionReadsBackInTwips();

    void doubleClickReachesWhatLiesBeneath_data();
    void doubleClickReachesWhatLiesBeneath();
    void pointerMovesReachTheFormOnlyOnItsSurface_data();
    void pointerMovesReachTheFormOnlyOnItsSurface();
    void labelPressCapturesThePointer();
    void labelClicks_data();
    void labelClicks();
    void labelDoubleClickIsNoSecondPress();

    void untouchedListReportsNothingChosen_data();
    void untouchedListReportsNothingChosen();
    void choosingAnEntryRaisesNoChange_data();
    void choosingAnEntryRaisesNoChange();
    void typingRaisesChange();
    void enterNeverAddsAnEntry();
    void typedPrefixIsNeverCompleted_data();
    void typedPrefixIsNeverCompleted();
    void wheelLeavesTheChoice_data();
    void wheelLeavesTheChoice();
    void listLooksLikeQtsOwnEditableList_data();
    void listLooksLikeQtsOwnEditableList();
    void writingFromOutsideTheKeyboardChangesNoList_data();
    void writingFromOutsideTheKeyboardChangesNoList();
    void listLeavesConfirmAndCancelToItsForm_data();
    void listLeavesConfirmAndCancelToItsForm();

    void pressActionOnlyWhereAClickIsHandled_data();
    void pressActionOnlyWhereAClickIsHandled();

    void timersFireOnlyWhenEnabledWithAnInterval();
    void queuedKeystrokeReachesItsControlWhereverTheFocusIs();

    void reachingAFormLoadsItOnce();
    void unloadFromTheFormsOwnHandler();
    void endDiscardsEveryForm();
    void closingByTheWindowSystem_data();
    void closingByTheWindowSystem();

private:
    template <class F> F& shownForm();

    std::unique_ptr<FormRegistry> m_registry;
};

template <class F> F& FormsRuntimeTest::shownForm()
{
    F& form = m_registry->form<F>();
    form.showModeless();
    return form;
}

void FormsRuntimeTest::initTestCase()
{
    velorin::setUpLook();
}

void FormsRuntimeTest::init()
{
    MainForm::loads = 0;
    SideForm::loads = 0;
    SelfUnloadingForm::loads = 0;
    m_registry = std::make_unique<FormRegistry>();
}

void FormsRuntimeTest::cleanup()
{
    m_registry.reset();
}

void FormsRuntimeTest::freeAreaMeasuresInTwips_data()
{
    QTest::addColumn<QMargins>("reserved");
    QTest::addColumn<QList<float>>("edges"); // left, top, right, bottom
    const float right = test_screen::kWidth.value();
    const float bottom = test_screen::kHeight.value();
    QTest::newRow("no taskbar") << QMargins() << QList<float>{0, 0, right, bottom};
    QTest::newRow("taskbar at the bottom")
        << QMargins(0, 0, 0, 44)
        << QList<float>{0, 0, right, test_screen::freeBottomAbove(44).value()};
    QTest::newRow("top panel and a dock on the right")
        << QMargins(0, 27, 48, 0) << QList<float>{0, 405, right - 720, bottom};
}

void FormsRuntimeTest::freeAreaMeasuresInTwips()
{
    QFETCH(QMargins, reserved);
    QFETCH(QList<float>, edges);
    ScreenSizeChange change;
    change.resize(test_screen::kPixels, reserved);
    const Monitor monitor = Monitor::primary();
    QCOMPARE((QList<float>{monitor.freeLeft().value(), monitor.freeTop().value(),
                           monitor.freeRight().value(), monitor.freeBottom().value()}),
             edges);
}

void FormsRuntimeTest::positionReadsBackInTwips_data()
{
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<QPoint>("pixels");
    QTest::newRow("off the pixel grid") << 25805.0f << 13350.0f << QPoint(1720, 890);
    QTest::newRow("rounds up past half") << 25813.0f << 13358.0f << QPoint(1721, 891);
    QTest::newRow("left of and above the screen") << -1510.0f << -20.0f << QPoint(-101, -1);
    QTest::newRow("fractional twips") << 1234.25f << 0.75f << QPoint(82, 0);
    QTest::newRow("origin") << 0.0f << 0.0f << QPoint(0, 0);
}

void FormsRuntimeTest::positionReadsBackInTwips()
{
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(QPoint, pixels);
    auto& form = shownForm<MainForm>();

    form.setLeftTwips(Twips(left));
    form.setTopTwips(Twips(top));
    // What was written comes back unrounded; only the window itself snaps to a pixel.
    QCOMPARE(form.leftTwips(), Twips(left));
    QCOMPARE(form.topTwips(), Twips(top));
    QCOMPARE(form.pos(), pixels);
    QTRY_COMPARE(form.windowHandle()->position(), pixels);
}

void FormsRuntimeTest::doubleClickReachesWhatLiesBeneath_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("over");
    QTest::addColumn<QString>("receiver");
    QTest::newRow("label") << QPoint(70, 215) << QString() << QStringLiteral("Button");
    QTest::newRow("shape over a label")
        << QPoint(50, 50) << QStringLiteral("Frame") << QStringLiteral("Title");
    QTest::newRow("line over a label")
        << QPoint(100, 50) << QStringLiteral("Rule(1)") << QStringLiteral("Title");
    QTest::newRow("shape over the surface")
        << QPoint(15, 15) << QStringLiteral("Frame") << QStringLiteral("form");
    QTest::newRow("line over the surface")
        << QPoint(300, 150) << QStringLiteral("Rule(0)") << QStringLiteral("form");
    QTest::newRow("free surface") << QPoint(300, 250) << QString() << QStringLiteral("form");
    QTest::newRow("list over a label")
        << QPoint(250, 30) << QStringLiteral("Answer(0)") << QStringLiteral("list");
}

void FormsRuntimeTest::doubleClickReachesWhatLiesBeneath()
{
    QFETCH(QPoint, at);
    QFETCH(QString, over);
    QFETCH(QString, receiver);
    auto& form = shownForm<MainForm>();
    if (!over.isEmpty()) {
        const auto* cover = form.findChild<QWidget*>(over);
        QVERIFY(cover != nullptr);
        QVERIFY2(cover->geometry().contains(at), "the point misses the covering control");
    }

    QSignalSpy onForm(&form, &Form::doubleClicked);
    QSignalSpy onTitle(form.Title, &Label::doubleClicked);
    QSignalSpy onButton(form.Button, &Label::doubleClicked);
    QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {}, at);

    QCOMPARE(onForm.count(), receiver == QLatin1String("form") ? 1 : 0);
    QCOMPARE(onTitle.count(), receiver == QLatin1String("Title") ? 1 : 0);
    QCOMPARE(onButton.count(), receiver == QLatin1String("Button") ? 1 : 0);
}

void FormsRuntimeTest::pointerMovesReachTheFormOnlyOnItsSurface_data()
{
    QTest::addColumn<QString>("over");
    QTest::addColumn<QPoint>("offset"); // from the control's top left, in pixels
    QTest::addColumn<bool>("reachesForm");
    QTest::newRow("label") << QStringLiteral("Button") << QPoint(50, 15) << false;
    QTest::newRow("label under a shape") << QStringLiteral("Title") << QPoint(30, 30) << false;
    QTest::newRow("list text") << QStringLiteral("Answer(0)") << QPoint(20, 11) << false;
    QTest::newRow("list arrow") << QStringLiteral("Answer(0)") << QPoint(143, 11) << false;
    QTest::newRow("line over the surface") << QStringLiteral("Rule(0)") << QPoint(280, 2) << true;
    QTest::newRow("free surface") << QString() << QPoint(300, 250) << true;
}

void FormsRuntimeTest::pointerMovesReachTheFormOnlyOnItsSurface()
{
    QFETCH(QString, over);
    QFETCH(QPoint, offset);
    QFETCH(bool, reachesForm);
    auto& form = shownForm<MainForm>();
    const QWidget* control = over.isEmpty() ? &form : form.findChild<QWidget*>(over);
    QVERIFY(control != nullptr);
    QVERIFY(control->rect().contains(offset));
    const QPoint at = inWindow(control, offset);

    // Come from a spot away from the target, so the move to it is a real move.
    QTest::mouseMove(form.windowHandle(), QPoint(390, 290));
    QSignalSpy moves(&form, &Form::mouseMove);
    const auto* label = qobject_cast<const Label*>(control);
    std::optional<QSignalSpy> labelMoves;
    if (label != nullptr) {
        labelMoves.emplace(label, &Label::mouseMove);
    }
    QTest::mouseMove(form.windowHandle(), at);
    QTest::mouseMove(form.windowHandle(), at + QPoint(1, 0));

    if (reachesForm) {
        QVERIFY(moves.count() >= 1);
        QCOMPARE(moves.last().at(0).toInt(), 0);
    } else {
        QCOMPARE(moves.count(), 0);
    }
    // A label hears the pointer pass over it, buttons up.
    if (labelMoves) {
        QVERIFY(labelMoves->count() >= 1);
        QCOMPARE(labelMoves->last().at(0).toInt(), 0);
    }
}

void FormsRuntimeTest::labelPressCapturesThePointer()
{
    auto& form = shownForm<MainForm>();
    Label* button = form.Button;
    QSignalSpy labelMoves(button, &Label::mouseMove);
    QSignalSpy formMoves(&form, &Form::mouseMove);
    QSignalSpy formDowns(&form, &Form::mouseDown);
    QSignalSpy clicks(button, &Label::clicked);
    QSignalSpy titleMoves(form.Title, &Label::mouseMove);

    QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, centreInWindow(button));
    // Held down, the pointer leaves the label for the free surface and then for the title.
    for (const QPoint at : {QPoint(300, 250), QPoint(390, 10), centreInWindow(form.Title)}) {
        labelMoves.clear();
        QTest::mouseMove(form.windowHandle(), at);
        QCOMPARE(labelMoves.count(), 1);
        QCOMPARE(labelMoves.last().at(0).toInt(), 1);
    }
    QCOMPARE(formMoves.count(), 0);
    QCOMPARE(titleMoves.count(), 0);
    QCOMPARE(formDowns.count(), 0);

    QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, QPoint(300, 250));
    QCOMPARE(clicks.count(), 0);
    // Released, the pointer belongs to whatever lies beneath it again.
    QTest::mouseMove(form.windowHandle(), QPoint(310, 250));
    QVERIFY(formMoves.count() >= 1);
}

void FormsRuntimeTest::labelClicks_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("releaseInside");
    QTest::addColumn<bool>("clicked");
    QTest::newRow("left, released inside") << Qt::LeftButton << 1 << true << true;
    QTest::newRow("left, released outside") << Qt::LeftButton << 1 << false << false;
    QTest::newRow("right") << Qt::RightButton << 2 << true << false;
    QTest::newRow("middle") << Qt::MiddleButton << 4 << true << false;
}

void FormsRuntimeTest::labelClicks()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, state);
    QFETCH(bool, releaseInside);
    QFETCH(bool, clicked);
    auto& form = shownForm<MainForm>();
    Label* label = form.Button;
    QSignalSpy downs(label, &Label::mouseDown);
    QSignalSpy clicks(label, &Label::clicked);
    QSignalSpy formDowns(&form, &Form::mouseDown);

    QTest::mousePress(form.windowHandle(), button, {}, centreInWindow(label));
    QCOMPARE(downs.count(), 1);
    QCOMPARE(downs.last().at(0).toInt(), state);
    QCOMPARE(clicks.count(), 0);
    const QPoint release = releaseInside ? centreInWindow(label) + QPoint(5, 2) : QPoint(300, 250);
    QTest::mouseRelease(form.windowHandle(), button, {}, release);

    QCOMPARE(clicks.count(), clicked ? 1 : 0);
    QCOMPARE(formDowns.count(), 0);
}

void FormsRuntimeTest::labelDoubleClickIsNoSecondPress()
{
    auto& form = shownForm<MainForm>();
    Label* label = form.Button;
    QSignalSpy downs(label, &Label::mouseDown);
    QSignalSpy clicks(label, &Label::clicked);
    QSignalSpy doubles(label, &Label::doubleClicked);

    QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {}, centreInWindow(label));

    QCOMPARE(downs.count(), 1);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(doubles.count(), 1);

    // The next click after the pair is an ordinary click again.
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, centreInWindow(label));
    QCOMPARE(downs.count(), 2);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(doubles.count(), 1);
}

void FormsRuntimeTest::untouchedListReportsNothingChosen_data()
{
    QTest::addColumn<QString>("focusLeaves");
    QTest::newRow("focus still in it") << QString();
    QTest::newRow("by Tab") << QStringLiteral("Tab");
    QTest::newRow("to another window") << QStringLiteral("window");
}

void FormsRuntimeTest::untouchedListReportsNothingChosen()
{
    QFETCH(QString, focusLeaves);
    auto& form = shownForm<MainForm>();
    AnswerList* list = form.Answer[0];
    QVERIFY(list != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTRY_VERIFY(list->hasFocus());
    QWidget otherWindow;
    if (focusLeaves == QLatin1String("Tab")) {
        QTest::keyClick(list, Qt::Key_Tab);
    } else if (focusLeaves == QLatin1String("window")) {
        otherWindow.show();
        QVERIFY(QTest::qWaitForWindowActive(&otherWindow));
    }
    QCOMPARE(list->hasFocus(), focusLeaves.isEmpty());
    // The field shows the first answer, yet nothing is chosen until the user chooses it.
    QCOMPARE(list->listIndex(), -1);
    QCOMPARE(list->currentText(), QStringLiteral("Reddish"));
    QCOMPARE(list->count(), 4);
    QCOMPARE(form.Answer[1]->currentText(), QStringLiteral("Lots"));
    QCOMPARE(form.Answer[1]->listIndex(), -1);
}

void FormsRuntimeTest::choosingAnEntryRaisesNoChange_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("chosen");
    QTest::newRow("arrow key once") << QStringLiteral("keys") << 0;
    QTest::newRow("arrow key thrice") << QStringLiteral("keys") << 2;
    QTest::newRow("from the popup") << QStringLiteral("popup") << 3;
    QTest::newRow("from the program") << QStringLiteral("program") << 1;
}

void FormsRuntimeTest::choosingAnEntryRaisesNoChange()
{
    QFETCH(QString, how);
    QFETCH(int, chosen);
    auto& form = shownForm<MainForm>();
    AnswerList* list = form.Answer[0];
    QSignalSpy changes(list, &AnswerList::change);

    if (how == QLatin1String("keys")) {
        for (int step = 0; step <= chosen; ++step) {
            QTest::keyClick(list, Qt::Key_Down);
        }
    } else if (how == QLatin1String("popup")) {
        list->showPopup();
        QTRY_VERIFY(list->view()->isVisible());
        list->view()->setCurrentIndex(list->model()->index(chosen, 0));
        QTest::keyClick(list->view(), Qt::Key_Return);
        QTRY_VERIFY(!list->view()->isVisible());
    } else {
        list->setCurrentIndex(chosen);
    }

    QCOMPARE(list->listIndex(), chosen);
    QCOMPARE(list->currentText(), list->itemText(chosen));
    QCOMPARE(changes.count(), 0);
}

void FormsRuntimeTest::typingRaisesChange()
{
    auto& form = shownForm<MainForm>();
    AnswerList* list = form.Answer[0];
    list->setCurrentIndex(1);
    QSignalSpy changes(list, &AnswerList::change);

    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClicks(list, "ly");

    QCOMPARE(changes.count(), 2);
    QCOMPARE(list->currentText(), QStringLiteral("Whitishly"));
    // The text no longer shows the chosen entry.
    QCOMPARE(list->listIndex(), -1);
}

void FormsRuntimeTest::enterNeverAddsAnEntry()
{
    auto& form = shownForm<MainForm>();
    AnswerList* list = form.Answer[0];

    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(list, "Purple");
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClick(list, Qt::Key_Enter);

    QCOMPARE(list->count(), 4);
    QCOMPARE(list->currentText(), QStringLiteral("Purple"));
    QCOMPARE(list->listIndex(), -1);
}

void FormsRuntimeTest::typedPrefixIsNeverCompleted_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("same case") << QStringLiteral("Whi");
    QTest::newRow("other case") << QStringLiteral("be");
    QTest::newRow("one letter") << QStringLiteral("R");
}

void FormsRuntimeTest::typedPrefixIsNeverCompleted()
{
    QFETCH(QString, typed);
    auto& form = shownForm<MainForm>();
    AnswerList* list = form.Answer[0];
    QSignalSpy changes(list, &AnswerList::change);

    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(list, typed);

    QCOMPARE(list->currentText(), typed);
    QCOMPARE(list->lineEdit()->selectedText(), QString());
    QCOMPARE(list->listIndex(), -1);
    QCOMPARE(changes.count(), typed.size());
}

void FormsRuntimeTest::wheelLeavesTheChoice_data()
{
    QTest::addColumn<bool>("onTextField");
    QTest::addColumn<int>("chosen");
    QTest::newRow("on the list, nothing chosen") << false << -1;
    QTest::newRow("on the list, second chosen") << false << 1;
    QTest::newRow("on its text field, second chosen") << true << 1;
}

void FormsRuntimeTest::wheelLeavesTheChoice()
{
    QFETCH(bool, onTextField);
    QFETCH(int, chosen);
    auto& form = shownForm<MainForm>();
    AnswerList* list = form.Answer[0];
    if (chosen >= 0) {
        list->setCurrentIndex(chosen);
    }
    const QString text = list->currentText();
    QWidget* target = onTextField ? static_cast<QWidget*>(list->lineEdit()) : list;
    const QPointF at = QPointF(target->rect().center());

    for (const int notches : {-1, 1, -3, 2}) {
        QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        // As from the window system, so an ignored wheel would travel on to the parents.
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        QApplication::sendEvent(target, &wheel);
        QCOMPARE(list->currentIndex(), chosen);
        QCOMPARE(list->listIndex(), chosen);
        QCOMPARE(list->currentText(), text);
    }
}

void FormsRuntimeTest::listLooksLikeQtsOwnEditableList_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<FontSpec>("font");
    QTest::addColumn<QFont>("drawnAs"); // the design's font on the test screen
    const QFont arial = test_screen::font("Liberation Sans", 11);
    const QFont tahoma = test_screen::font("Tahoma", 11);
    QTest::newRow("closed") << false << kFont << arial;
    QTest::newRow("drop-down open") << true << kFont << arial;
    // A list in the application's font keeps the one it inherits.
    QTest::newRow("in the application's font, closed") << false << kApplicationFont << tahoma;
    QTest::newRow("in the application's font, drop-down open")
        << true << kApplicationFont << tahoma;
}

void FormsRuntimeTest::listLooksLikeQtsOwnEditableList()
{
    QFETCH(bool, open);
    QFETCH(FontSpec, font);
    QFETCH(QFont, drawnAs);
    auto& form = shownForm<MainForm>();
    form.setFocus(); // no text cursor in either list
    AnswerList designed(listRow(1, 1200_tw, kAmounts, font), &form);
    designed.show();
    // Qt's own editable list, given the same design: the look to keep.
    QComboBox qts(&form);
    qts.setEditable(true);
    qts.setGeometry(240, 150, 150, 22);
    qts.setFont(drawnAs);
    QPalette colours = qts.palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    qts.setPalette(colours);
    qts.addItems({"Lots", "Some", "Few", "None"});
    qts.setCurrentIndex(-1);
    qts.setEditText(QStringLiteral("Lots"));
    qts.show();

    const auto look = [open](QComboBox* list) {
        if (!open) {
            return list->grab().toImage();
        }
        list->showPopup();
        const QImage shown = list->view()->window()->grab().toImage();
        list->hidePopup();
        return shown;
    };
    QCOMPARE(look(&designed), look(&qts));
}

void FormsRuntimeTest::writingFromOutsideTheKeyboardChangesNoList_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::newRow("drop onto the first answer, untouched")
        << QStringLiteral("untouched") << QStringLiteral("drop") << QStringLiteral("DROPPED");
    QTest::newRow("drop an answer onto an emptied list")
        << QStringLiteral("emptied") << QStringLiteral("drop") << QStringLiteral("Beige");
    QTest::newRow("accessibility inserts into a chosen answer")
        << QStringLiteral("chosen") << QStringLiteral("insert") << QStringLiteral("DROPPED");
    QTest::newRow("accessibility replaces the text with an answer")
        << QStringLiteral("untouched") << QStringLiteral("replace") << QStringLiteral("Beige");
}

void FormsRuntimeTest::writingFromOutsideTheKeyboardChangesNoList()
{
    QFETCH(QString, start);
    QFETCH(QString, how);
    QFETCH(QString, text);
    auto& form = shownForm<MainForm>();
    AnswerList* list = form.Answer[0];
    if (start == QLatin1String("chosen")) {
        list->setCurrentIndex(1);
    } else if (start == QLatin1String("emptied")) {
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(list, Qt::Key_Backspace);
    }
    const QString shown = list->currentText();
    const int caret = list->lineEdit()->cursorPosition();
    const int chosen = list->listIndex();
    QSignalSpy changes(list, &AnswerList::change);

    QAccessibleEditableTextInterface* editable =
        QAccessible::queryAccessibleInterface(list->lineEdit())->editableTextInterface();
    if (how == QLatin1String("drop")) {
        // From another program, through the window system.
        QVERIFY(
            !system_events::dropText(form.windowHandle(), centreInWindow(list->lineEdit()), text));
    } else if (how == QLatin1String("insert")) {
        editable->insertText(3, text);
    } else {
        editable->replaceText(0, static_cast<int>(shown.size()), text);
    }

    QTRY_COMPARE(list->currentText(), shown);
    QCOMPARE(list->lineEdit()->cursorPosition(), caret);
    QCOMPARE(list->listIndex(), chosen);
    QCOMPARE(changes.count(), 0);
}

void FormsRuntimeTest::listLeavesConfirmAndCancelToItsForm_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<bool>("reachesForm");
    QTest::newRow("Return") << int(Qt::Key_Return) << false << true;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false << true;
    QTest::newRow("Return held down") << int(Qt::Key_Return) << true << false;
    QTest::newRow("a letter, typed into the list") << int(Qt::Key_A) << false << false;
}

void FormsRuntimeTest::listLeavesConfirmAndCancelToItsForm()
{
    QFETCH(int, key);
    QFETCH(bool, autoRepeat);
    QFETCH(bool, reachesForm);
    auto& form = shownForm<MainForm>();
    AnswerList* list = form.Answer[0];
    // The text matches an entry that is not chosen: Return must not choose it.
    list->setEditText(QStringLiteral("Beige"));
    QSignalSpy keys(&form, &Form::keyDown);
    QSignalSpy changes(list, &AnswerList::change);

    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier,
                    key == Qt::Key_A ? QStringLiteral("a") : QString(), autoRepeat);
    QSpontaneKeyEvent::setSpontaneous(&press);
    QApplication::sendEvent(list, &press);

    QCOMPARE(keys.count(), reachesForm ? 1 : 0);
    if (reachesForm) {
        QCOMPARE(keys.last().at(0).toInt(), key);
    }
    QCOMPARE(list->listIndex(), -1);
    QCOMPARE(changes.count(), key == Qt::Key_A ? 1 : 0);
}

void FormsRuntimeTest::pressActionOnlyWhereAClickIsHandled_data()
{
    QTest::addColumn<bool>("handled");
    QTest::newRow("a label with a click handler") << true;
    QTest::newRow("a label without one") << false;
}

void FormsRuntimeTest::pressActionOnlyWhereAClickIsHandled()
{
    QFETCH(bool, handled);
    auto& form = shownForm<MainForm>();
    Label* button = form.Button;
    QStringList heard;
    connect(button, &Label::mouseDown, this,
            [&heard](int state) { heard << QStringLiteral("down %1").arg(state); });
    if (handled) {
        connect(button, &Label::clicked, this, [&heard] { heard << QStringLiteral("click"); });
    }
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
    QAccessibleActionInterface* actions = face->actionInterface();
    QVERIFY(actions != nullptr);

    QCOMPARE(face->role(), handled ? QAccessible::PushButton : QAccessible::StaticText);
    QCOMPARE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()), handled);
    actions->doAction(QAccessibleActionInterface::pressAction());
    // The tool's call returns before anything happens; a modal message would not hold it.
    QVERIFY(heard.isEmpty());

    const QStringList expected =
        handled ? QStringList{QStringLiteral("down 1"), QStringLiteral("click")} : QStringList{};
    QTRY_COMPARE(heard, expected);
    QCoreApplication::processEvents();
    QCOMPARE(heard, expected);
}

void FormsRuntimeTest::timersFireOnlyWhenEnabledWithAnInterval()
{
    auto& form = m_registry->form<MainForm>();
    Timer* ticking = form.Ticking;
    Timer* resting = form.Resting;
    Timer* zero = form.Zero;
    QVERIFY(ticking && resting && zero);
    QSignalSpy ticks(ticking, &Timer::timer);
    QSignalSpy restingTicks(resting, &Timer::timer);
    QSignalSpy zeroTicks(zero, &Timer::timer);

    // The hidden form's timer runs; the others stay quiet meanwhile.
    QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 5, 20000);
    QCOMPARE(restingTicks.count(), 0);
    QCOMPARE(zeroTicks.count(), 0);
    QVERIFY(!zero->isRunning());

    resting->setEnabled(true);
    QTRY_VERIFY_WITH_TIMEOUT(restingTicks.count() >= 3, 20000);

    // Disabled, a timer stays silent while another keeps going.
    resting->setEnabled(false);
    const auto stoppedAt = restingTicks.count();
    ticks.clear();
    QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 5, 20000);
    QCOMPARE(restingTicks.count(), stoppedAt);
}

void FormsRuntimeTest::queuedKeystrokeReachesItsControlWhereverTheFocusIs()
{
    auto& form = shownForm<MainForm>();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    AnswerList* first = form.Answer[0];
    AnswerList* second = form.Answer[1];
    // With the cursor at the end, a backspace takes the last letter of the list it reaches.
    first->lineEdit()->end(false);
    second->lineEdit()->end(false);
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());

    // A handler queues the keystroke for the first list, then the focus moves on before the
    // keystroke is processed.
    queueKeystroke(*first, Qt::Key_Backspace);
    QCOMPARE(first->currentText(), QStringLiteral("Reddish"));
    second->setFocus();

    QTRY_COMPARE(first->currentText(), QStringLiteral("Reddis"));
    QCOMPARE(second->currentText(), QStringLiteral("Lots"));
}

void FormsRuntimeTest::reachingAFormLoadsItOnce()
{
    QCOMPARE(m_registry->loadedForm<MainForm>(), nullptr);
    auto& first = m_registry->form<MainForm>();
    QCOMPARE(MainForm::loads, 1);
    QVERIFY(!first.isVisible());
    auto& again = forms::form<MainForm>();
    QCOMPARE(&again, &first);
    QCOMPARE(m_registry->loadedForm<MainForm>(), &first);
    QCOMPARE(MainForm::loads, 1);
    QCOMPARE(SideForm::loads, 0);
}

void FormsRuntimeTest::unloadFromTheFormsOwnHandler()
{
    auto& form = shownForm<SelfUnloadingForm>();
    form.Title->setCaption(QStringLiteral("Written"));
    QPointer<Form> unloaded(&form);

    SelfUnloadingForm::aliveAfterUnload = false;
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, centreInWindow(form.Button));

    QVERIFY(SelfUnloadingForm::aliveAfterUnload);
    QCOMPARE(m_registry->loadedForm<SelfUnloadingForm>(), nullptr);
    QTRY_VERIFY(unloaded.isNull());
    auto& fresh = m_registry->form<SelfUnloadingForm>();
    QCOMPARE(SelfUnloadingForm::loads, 2);
    QCOMPARE(fresh.Title->caption(), kTitleCaption);
    QVERIFY(!fresh.isVisible());
}

void FormsRuntimeTest::endDiscardsEveryForm()
{
    auto& main = shownForm<MainForm>();
    auto& side = m_registry->form<SideForm>();
    QPointer<Form> mainAlive(&main);
    QPointer<Form> sideAlive(&side);
    Timer* ticking = side.Ticking;
    QVERIFY(ticking->isRunning());
    QSignalSpy ended(m_registry.get(), &FormRegistry::programEnded);

    forms::end();

    QCOMPARE(ended.count(), 1);
    QVERIFY(m_registry->hasEnded());
    QCOMPARE(m_registry->loadedForm<MainForm>(), nullptr);
    QCOMPARE(m_registry->loadedForm<SideForm>(), nullptr);
    // Nothing more happens before the forms are gone.
    QVERIFY(!ticking->isRunning());
    QVERIFY(!main.isVisible());
    QTRY_VERIFY(mainAlive.isNull() && sideAlive.isNull());

    forms::end();
    QCOMPARE(ended.count(), 1);
}

void FormsRuntimeTest::closingByTheWindowSystem_data()
{
    QTest::addColumn<bool>("closeStartup");
    QTest::newRow("startup form ends the program") << true;
    QTest::newRow("another form only unloads") << false;
}

void FormsRuntimeTest::closingByTheWindowSystem()
{
    QFETCH(bool, closeStartup);
    auto& startup = m_registry->startWith<MainForm>();
    auto& other = shownForm<SideForm>();
    QPointer<Form> startupAlive(&startup);
    QPointer<Form> otherAlive(&other);
    QSignalSpy ended(m_registry.get(), &FormRegistry::programEnded);

    if (closeStartup) {
        startup.close();
        QCOMPARE(ended.count(), 1);
        QVERIFY(m_registry->hasEnded());
        QCOMPARE(m_registry->loadedForm<MainForm>(), nullptr);
        QCOMPARE(m_registry->loadedForm<SideForm>(), nullptr);
        QTRY_VERIFY(startupAlive.isNull() && otherAlive.isNull());
    } else {
        other.close();
        QCOMPARE(ended.count(), 0);
        QVERIFY(!m_registry->hasEnded());
        QCOMPARE(m_registry->loadedForm<SideForm>(), nullptr);
        QCOMPARE(m_registry->loadedForm<MainForm>(), &startup);
        QTRY_VERIFY(otherAlive.isNull());
        QVERIFY(startup.isVisible());
        // Reached again, the closed form comes back fresh.
        m_registry->form<SideForm>();
        QCOMPARE(SideForm::loads, 2);
    }
}

QTEST_MAIN(FormsRuntimeTest)

#include "tst_forms_runtime.moc"
