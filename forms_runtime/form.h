#pragma once

#include "forms_runtime/control_design.h"

#include <QHash>
#include <QWidget>
#include <span>

namespace forms {

class AnswerList;
class Label;
class Line;
class NotificationAnnouncer;
class Shape;
class Timer;

// A borderless window built from its design table. Geometry is held in twips, exactly
// as written; the window stands on the nearest pixel.
class Form : public QWidget
{
    Q_OBJECT

public:
    explicit Form(const FormDesign& design);

    // In twips; QWidget's own x(), y(), width() and height() stay in pixels.
    Twips Left() const { return m_left; }
    void setLeft(Twips left);
    Twips Top() const { return m_top; }
    void setTop(Twips top);
    Twips Width() const { return m_width; }
    Twips Height() const { return m_height; }
    QString caption() const { return windowTitle(); }
    bool isMainWindow() const { return m_kind == WindowKind::Main; }

    // Show without arguments: modeless; the first show honours the start-up position.
    void showModeless();
    // Leaves the screen with the owner, stays on its workspace and stands above it.
    void belongTo(Form& owner);
    // Follows the pointer during a window drag: the position comes from the screen.
    void moveToPixels(QPoint topLeft);

    Label* label(std::string_view name, int index = kNoIndex) const;
    AnswerList* answerList(std::string_view name, int index = kNoIndex) const;
    Shape* shape(std::string_view name) const;
    Timer* timer(std::string_view name) const;
    // Stops every timer of the form: an unloaded form raises no more events.
    void stopTimers();

signals:
    void mouseDown(int button);
    void mouseMove(int buttons);
    void doubleClicked();
    // A key that the control with the focus declined; a key held down raises it once.
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void closeRequested();

protected:
    // Builds the controls, front row first in the table, drawn on top; lists lie above all.
    void buildControls(std::span<const ControlDesign> controls);
    void addTimers(std::span<const TimerDesign> timers);
    // The form's Load handler; runs once per load, before the form is first shown.
    virtual void load() {}

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class FormRegistry;

    QWidget* control(std::string_view name, int index) const;
    void addControl(const ControlDesign& design);
    void chainTabOrder();
    void nameListsAndWindow(std::span<const ControlDesign> controls);
    void onCaptionChanged(const Label* changed);
    void placeAtStartUp();
    void applyPosition();

    WindowKind m_kind;
    StartUpPosition m_startUpPosition;
    Twips m_left;
    Twips m_top;
    Twips m_width;
    Twips m_height;
    bool m_shownBefore = false;
    std::string_view m_captionBar;
    NotificationAnnouncer* m_announcer = nullptr;
    QHash<QString, QWidget*> m_controls;
    QList<AnswerList*> m_tabOrder;
};

} // namespace forms
