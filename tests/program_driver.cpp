// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program_driver.h"

#include "resources/look.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

ProgramDriver::ProgramDriver() : m_registry(std::make_unique<forms::FormRegistry>())
{
    m_registry->startWith<QuestionnaireWindow>();
}

bool ProgramDriver::aboutMessageCameUp(const std::function<void()>& open)
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

std::array<QString, oracle::kQuestions> ProgramDriver::shownAnswers()
{
    std::array<QString, oracle::kQuestions> shown;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        shown[i] = questionnaire().answerLists[i]->currentText();
    }
    return shown;
}

QStringList ProgramDriver::entriesOf(const QComboBox* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) {
        entries << list->itemText(i);
    }
    return entries;
}

void ProgramDriver::verifyListsHoldTheQuestionnaire()
{
    for (int i = 0; i < oracle::kQuestions; ++i) {
        const forms::AnswerList* list = questionnaire().answerLists[i];
        QCOMPARE(entriesOf(list), oracle::answers(i));
        // One showing an answer's text may still report none: typed text the guard has yet
        // to erase.
        const int position = list->listIndex();
        QVERIFY(position >= -1 && position < list->count());
        if (position >= 0) {
            QCOMPARE(list->currentText(), list->itemText(position));
        }
    }
}

oracle::Result ProgramDriver::shownResult()
{
    const ResultPanel* panel = resultPanel();
    return {panel->skinTypeCaption->caption(), panel->adviceText->caption(),
            panel->pointsLine->caption()};
}

void ProgramDriver::chooseByArrowKeys(int question, int position)
{
    forms::AnswerList* list = questionnaire().answerLists[question];
    list->setFocus();
    while (list->listIndex() != position) {
        QTest::keyClick(list, list->currentIndex() < position ? Qt::Key_Down : Qt::Key_Up);
    }
}

void ProgramDriver::chooseByMouse(int question, int position)
{
    forms::AnswerList* list = questionnaire().answerLists[question];
    // The arrow button at the right end opens the list; the text field would not.
    const QPoint arrow = list->mapTo(list->window(), QPoint(list->width() - 6, list->height() / 2));
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

void ProgramDriver::waitForPanelsToRest()
{
    for (SlideInPanel* panel : loadedPanels()) {
        if (panel != nullptr) {
            QTRY_VERIFY_WITH_TIMEOUT(!panel->riseTimer->isEnabled(), 20000);
        }
    }
}

void ProgramDriver::clickAtOnce(const QWidget* control, std::optional<QPoint> spot)
{
    QWindow* window = control->window()->windowHandle();
    const QPoint at = spot ? control->mapTo(control->window(), *spot) : centreOf(control);
    system_events::sendMouse(window, at, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
    system_events::sendMouse(window, at, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
}

void ProgramDriver::keepPanelsOutOfTheFocus()
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

void ProgramTestCase::startProgram()
{
    m_program = std::make_unique<ProgramDriver>();
    m_program->keepPanelsOutOfTheFocus();
    QVERIFY(questionnaire().isVisible());
    // Once the welcome panel's first step has brought its first rows into view, its window
    // shown only then: the offscreen platform activates a window as it first shows, which would
    // take away a drop-down or a tooltip a test had opened by then.
    QVERIFY(QTest::qWaitForWindowExposed(m_program->welcomePanel()));
}

void ProgramTestCase::initTestCase()
{
    velorin::setUpLook();
    system_events::ignorePlatformNotes();
}

#include "moc_program_driver.cpp"
