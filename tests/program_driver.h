// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "answer_oracle.h"
#include "controls/answer_list.h"
#include "controls/label.h"
#include "controls/shape.h"
#include "controls/timer.h"
#include "forms_runtime/form_registry.h"
#include "panels/result_panel.h"
#include "panels/welcome_panel.h"
#include "questionnaire_window/questionnaire_window.h"
#include "system_events.h"
#include "twips_output.h"

#include <QLineEdit>
#include <QTest>
#include <array>
#include <functional>
#include <memory>
#include <optional>

// Starts the whole program as main() does and drives it with real input events, sent
// through the windows so that they are routed to whatever lies under the pointer.
class ProgramDriver
{
public:
    ProgramDriver();

    forms::FormRegistry& registry() { return *m_registry; }
    QuestionnaireWindow& questionnaire() { return m_registry->form<QuestionnaireWindow>(); }
    QWindow* window() { return questionnaire().windowHandle(); }
    ResultPanel* resultPanel() { return m_registry->loadedForm<ResultPanel>(); }
    WelcomePanel* welcomePanel() { return m_registry->loadedForm<WelcomePanel>(); }
    // Both panels, the result panel first; null where not loaded.
    std::array<SlideInPanel*, 2> loadedPanels() { return {resultPanel(), welcomePanel()}; }

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
    static bool aboutMessageCameUp(const std::function<void()>& open);

    // What each list shows in its text field, in question order.
    std::array<QString, oracle::kQuestions> shownAnswers();
    // The entries a list offers, in order.
    static QStringList entriesOf(const QComboBox* list);
    // Each list offers its question's answers; one that reports an answer chosen shows it.
    void verifyListsHoldTheQuestionnaire();
    // The result panel's caption, advice and points line as they read now.
    oracle::Result shownResult();

    void chooseByArrowKeys(int question, int position);
    void chooseByMouse(int question, int position);

    // Lets every timer tick until both panels that are loaded have come to rest.
    void waitForPanelsToRest();

    // A left click on a control (at its centre unless told) with nothing processed in between
    // or after, so that what the click did can be seen before any timer ticks.
    static void clickAtOnce(const QWidget* control, std::optional<QPoint> spot = std::nullopt);

    // On a desktop the panels never take the keyboard: they accept no focus and show without
    // activating. Qt's offscreen platform activates every window it shows, so hand the
    // activation straight back to the questionnaire window, where it would have stayed.
    void keepPanelsOutOfTheFocus();

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

    void startProgram();
    void stopProgram() { m_program.reset(); }

private slots:
    void initTestCase();
    void init() { startProgram(); }
    void cleanup() { stopProgram(); }

private:
    std::unique_ptr<ProgramDriver> m_program;
};
