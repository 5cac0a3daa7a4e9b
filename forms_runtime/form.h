// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/control_design.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <concepts>
#include <cstddef>
#include <optional>

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
    Twips leftTwips() const { return m_left; }
    void setLeftTwips(Twips left);
    Twips topTwips() const { return m_top; }
    void setTopTwips(Twips top);
    Twips widthTwips() const { return m_width; }
    Twips heightTwips() const { return m_height; }
    bool isMainWindow() const { return m_kind == WindowKind::Main; }

    // Show without arguments: modeless; the first show honours the start-up position.
    void showModeless();
    // Leaves the screen with the owner, stays on its workspace and stands above it.
    void belongTo(Form& owner);
    Form* owner() const { return m_owner; }
    // Shows only the part of the form above this line of the screen: its window covers no
    // more, so that no window manager finds it reaching off the screen and moves it.
    void showOnlyAbove(Twips line);
    // Follows the pointer during a window drag: the position comes from the screen.
    void moveToPixels(QPoint topLeft);
    // Where a mouse button last went down on the form or one of its labels, in screen pixels,
    // the second press of a double click included. A window drag starts from there, so the
    // window keeps its place under the pointer from the press on, on every platform.
    QPoint pressPosition() const { return m_pressPosition; }

signals:
    void mouseDown(int button);
    void mouseMove(int buttons);
    void doubleClicked();
    // A key that the control with the focus declined; a key held down raises it once.
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void closeRequested();

protected:
    // Makes a control from its design row. A form makes its controls front to back, as it
    // declares them: each goes beneath those made before it, and lists lie above the rest.
    template <class Control> Control* add(const typename Control::Design& row)
    {
        auto* control = new Control(row, this);
        if constexpr (std::derived_from<Control, AnswerList>) {
            joinTabOrder(control);
        } else {
            control->lower();
        }
        if constexpr (std::derived_from<Control, Label>) {
            watch(control);
        }
        return control;
    }
    // A control array, one control per row, index for index.
    template <class Control, std::size_t N>
    std::array<Control*, N> add(const std::array<typename Control::Design, N>& rows)
    {
        std::array<Control*, N> controls{};
        for (std::size_t i = 0; i < N; ++i) {
            controls[i] = add<Control>(rows[i]);
        }
        return controls;
    }
    Timer* add(const TimerDesign& row);
    // Assistive tools name the window by this label's caption, as the eye reads it.
    void nameAfter(const Label* captionBar);
    // The form's Load handler; runs once per load, before the form is first shown.
    virtual void load() {}

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class FormRegistry;

    // Every timer of the form, at unload: an unloaded form raises no more events.
    void disableTimers();

    // Lists take the keyboard focus in the order of their tab indexes, chained at first show.
    void joinTabOrder(AnswerList* list);
    void chainTabOrder();
    // A label's caption may name the window or be news to announce; a press on it, which
    // the label keeps to itself, may start a window drag.
    void watch(Label* label);
    void rememberPress(const QMouseEvent& event);
    void onCaptionChanged(const Label* changed);
    void placeAtStartUp();
    void applyPosition();
    // Draws the form from this row of its window down; the rows above it show nothing.
    void drawFrom(int row);

    // xfwm4 moves a window whose top edge comes within 30 pixels of the screen's bottom edge
    // back up to about that distance.
    static constexpr int kLeastWindowHeight = 30;

    WindowKind m_kind;
    StartUpPosition m_startUpPosition;
    Twips m_left;
    Twips m_top;
    Twips m_width;
    Twips m_height;
    bool m_shownBefore = false;
    std::optional<Twips> m_shownAbove;
    int m_firstDrawnRow = 0;
    QPoint m_pressPosition;
    QPointer<Form> m_owner;
    const Label* m_captionBar = nullptr;
    NotificationAnnouncer* m_announcer = nullptr;
    QList<AnswerList*> m_tabOrder;
};

} // namespace forms
