// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "answer_oracle.h"
#include "controls/answer_list.h"
#include "controls/fonts.h"
#include "controls/label.h"
#include "controls/shape.h"
#include "controls/text.h"
#include "controls/timer.h"
#include "forms_runtime/form_registry.h"
#include "panels/result_panel.h"
#include "panels/welcome_panel.h"
#include "questionnaire_window/questionnaire_window.h"
#include "resources/look.h"
#include "system_events.h"
#include "twips_output.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>

using forms::toQString;

// Starts the whole program as main() does and drives it with real input events, sent
// through the windows so that they are routed to whatever lies under the pointer.
class ProgramDriver
{
public:
    ProgramDriver() : m_registry(std::make_unique<forms::FormRegistry>())
    {
        m_registry->startWith<QuestionnaireWindow>();
    }

    forms::FormRegistry& registry() { return *m_registry; }
    QuestionnaireWindow& questionnaire() { return m_registry->form<QuestionnaireWindow>(); }
    QWindow* window() { return questionnaire().windowHandle(); }
    ResultPanel* resultPanel() { return m_registry->loadedForm<ResultPanel>(); }
    WelcomePanel* welcomePanel() { return m_registry->loadedForm<WelcomePanel>(); }

    static QPoint centreOf(const QWidget* control)
    {
        return control->mapTo(control->window(), control->rect().center());
    }

    static void click(const QWidget* control, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(control->window()->windowHandle(), button, {}, centreOf(control));
    }

    static void press(const QWidget* control, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(control->window()->windowHandle(), button, {}, centreOf(control));
    }

    void calculate() { click(questionnaire().calculateButton); }

    // Does what should bring up the about message, answers the message as the user would
    // once it is up, and says whether it came.
    template <class Open> static bool aboutMessageCameUp(Open open)
    {
        bool shown = false;
        QTimer::singleShot(0, qApp, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = true;
                box->accept();
            }
        });
        open();
        return shown;
    }

    // What each list shows in its text field, in question order.
    std::array<QString, oracle::kQuestions> shownAnswers()
    {
        std::array<QString, oracle::kQuestions> shown;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            shown[i] = questionnaire().answerLists[i]->currentText();
        }
        return shown;
    }

    void chooseByArrowKeys(int question, int position)
    {
        forms::AnswerList* list = questionnaire().answerLists[question];
        list->setFocus();
        while (list->listIndex() != position) {
            QTest::keyClick(list, list->currentIndex() < position ? Qt::Key_Down : Qt::Key_Up);
        }
    }

    void chooseByMouse(int question, int position)
    {
        forms::AnswerList* list = questionnaire().answerLists[question];
        // The arrow button at the right end opens the list; the text field would not.
        const QPoint arrow =
            list->mapTo(list->window(), QPoint(list->width() - 6, list->height() / 2));
        QTest::mouseClick(window(), Qt::LeftButton, {}, arrow);
        QAbstractItemView* popup = list->view();
        QTRY_VERIFY(popup->isVisible());
        const QRect entry = popup->visualRect(popup->model()->index(position, 0));
        // A release right after the opening press is ignored unless the pointer moved.
        QTest::mouseMove(popup->viewport(), entry.center() + QPoint(0, 1));
        QTest::mouseMove(popup->viewport(), entry.center());
        QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, entry.center());
        QTRY_VERIFY(!popup->isVisible());
    }

    // Lets every timer tick until both panels that are loaded have come to rest.
    void waitForPanelsToRest()
    {
        for (SlideInPanel* panel : {static_cast<SlideInPanel*>(resultPanel()),
                                    static_cast<SlideInPanel*>(welcomePanel())}) {
            if (panel != nullptr) {
                QTRY_VERIFY_WITH_TIMEOUT(!panel->riseTimer->isEnabled(), 20000);
            }
        }
    }

    // A left click on a control (at its centre unless told) with nothing processed in between
    // or after, so that what the click did can be seen before any timer ticks.
    static void clickAtOnce(const QWidget* control, std::optional<QPoint> spot = std::nullopt)
    {
        QWindow* window = control->window()->windowHandle();
        const QPoint at = spot ? control->mapTo(control->window(), *spot) : centreOf(control);
        system_events::sendMouse(window, at, Qt::LeftButton, Qt::LeftButton,
                                 QEvent::MouseButtonPress);
        system_events::sendMouse(window, at, Qt::NoButton, Qt::LeftButton,
                                 QEvent::MouseButtonRelease);
    }

    // On a desktop the panels never take the keyboard: they accept no focus and show without
    // activating. Qt's offscreen platform activates every window it shows, so hand the
    // activation straight back to the questionnaire window, where it would have stayed.
    void keepPanelsOutOfTheFocus()
    {
        QObject::connect(
            qApp, &QGuiApplication::focusWindowChanged, &questionnaire(), [this](QWindow* focused) {
                QuestionnaireWindow* main = m_registry->loadedForm<QuestionnaireWindow>();
                if (focused != nullptr && focused->flags().testFlag(Qt::WindowDoesNotAcceptFocus) &&
                    main != nullptr && main->isVisible()) {
                    system_events::activate(main->windowHandle());
                }
            });
    }

private:
    std::unique_ptr<forms::FormRegistry> m_registry;
};

// A suite whose every test function starts the whole program afresh, its panels kept out
// of the keyboard focus as on a desktop.
class ProgramTestCase : public QObject
{
    Q_OBJECT

protected:
    ProgramDriver& program() { return *m_program; }
    QuestionnaireWindow& questionnaire() { return m_program->questionnaire(); }

    void startProgram()
    {
        m_program = std::make_unique<ProgramDriver>();
        m_program->keepPanelsOutOfTheFocus();
        QVERIFY(QTest::qWaitForWindowExposed(&questionnaire()));
        // Once the welcome panel's first rows have risen into view: the offscreen platform
        // activates a window as it first shows, which would take away a drop-down or a tooltip
        // a test had opened by then.
        QVERIFY(QTest::qWaitForWindowExposed(m_program->welcomePanel()));
    }

    void stopProgram() { m_program.reset(); }

private slots:
    void initTestCase()
    {
        velorin::setUpLook();
        system_events::ignorePlatformNotes();
    }
    void init() { startProgram(); }
    void cleanup() { stopProgram(); }

private:
    std::unique_ptr<ProgramDriver> m_program;
};
