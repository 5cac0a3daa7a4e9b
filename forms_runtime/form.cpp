// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_runtime/form.h"

#include "controls/answer_list.h"
#include "controls/label.h"
#include "controls/mouse_buttons.h"
#include "controls/text.h"
#include "controls/timer.h"
#include "forms_runtime/notification_announcer.h"
#include "forms_runtime/screen.h"
#include "forms_runtime/window_system.h"

#include <QCloseEvent>
#include <QDirIterator>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QWindow>
#include <algorithm>

namespace forms {

namespace {

Qt::WindowFlags flagsFor(WindowKind kind)
{
    if (kind == WindowKind::Main) {
        return Qt::Window | Qt::FramelessWindowHint;
    }
    // A dialog of its owner: window managers keep it just above the owner, on the owner's
    // workspace and away while the owner is minimised, and place it where it asks to stand.
    // It never takes the focus.
    return Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
}

// Every image in the folder, one per size, so the system picks the sharpest. They are
// read as PNG outright: guessing the format would load every image plugin at start-up.
QIcon iconFromFolder(std::string_view folder)
{
    QIcon icon;
    QDirIterator images(toQString(folder));
    while (images.hasNext()) {
        QImageReader reader(images.next(), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (image.isNull()) {
            qWarning("Could not read the icon %s: %s", qPrintable(reader.fileName()),
                     qPrintable(reader.errorString()));
            continue;
        }
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

// Where a window starts along one axis: centred in the free area, or at its start when
// the window is larger than the area.
int startUpOffset(int areaStart, int areaExtent, int windowExtent)
{
    return windowExtent > areaExtent ? areaStart : areaStart + (areaExtent - windowExtent) / 2;
}

} // namespace

Form::Form(const FormDesign& design)
    : QWidget(nullptr, flagsFor(design.kind)), m_kind(design.kind),
      m_startUpPosition(design.startUpPosition), m_width(design.width), m_height(design.height)
{
    setWindowTitle(toQString(design.caption));
    if (m_kind == WindowKind::Main) {
        setFixedSize(m_width.toPixels(), m_height.toPixels());
    } else {
        // Its window grows with the part of it that shows.
        setFixedWidth(m_width.toPixels());
        setMaximumHeight(m_height.toPixels());
        resize(m_width.toPixels(), m_height.toPixels());
    }
    QPalette colours = palette();
    colours.setColor(QPalette::Window, design.backColor);
    setPalette(colours);
    setAutoFillBackground(true);
    setMouseTracking(true);
    if (m_kind == WindowKind::Notification) {
        // Not shown "without activating": that stamps the window with a user time of 0,
        // which some window managers flag as demanding attention. Refusing the focus is enough.
        create();
        WindowSystem::current().keepOutOfWindowLists(*windowHandle());
        // A panel never becomes the active window, yet its close label explains itself.
        setAttribute(Qt::WA_AlwaysShowToolTips);
        m_announcer = new NotificationAnnouncer(this);
    }
    if (!design.iconFolder.empty()) {
        setWindowIcon(iconFromFolder(design.iconFolder));
    }
}

void Form::setLeftTwips(Twips left)
{
    m_left = left;
    applyPosition();
}

void Form::setTopTwips(Twips top)
{
    m_top = top;
    applyPosition();
}

void Form::showOnlyAbove(Twips line)
{
    m_shownAbove = line;
    applyPosition();
}

void Form::applyPosition()
{
    const QRect whole = toPixels(m_left, m_top, m_width, m_height);
    if (!m_shownAbove) {
        move(whole.topLeft());
        return;
    }
    // One move and resize; drawn from its top, the form shows its upper part. A window of no
    // height is taken off the screen until some of the form comes above the line.
    const int line = m_shownAbove->toPixels();
    const int shownHeight = std::clamp(line - whole.top(), 0, whole.height());
    if (shownHeight == 0 || shownHeight >= kLeastWindowHeight) {
        drawFrom(0);
        setGeometry(QRect(whole.topLeft(), QSize(whole.width(), shownHeight)));
        return;
    }
    // Some window managers move a window that comes too close to the screen's bottom edge:
    // the window stays the least height tall and only its lowest rows show the form.
    setGeometry(QRect(whole.left(), line - kLeastWindowHeight, whole.width(), kLeastWindowHeight));
    drawFrom(kLeastWindowHeight - shownHeight);
}

void Form::drawFrom(int row)
{
    if (row == m_firstDrawnRow) {
        return;
    }
    // Scrolling moves every control along with what is drawn.
    scroll(0, row - m_firstDrawnRow);
    m_firstDrawnRow = row;
    if (row == 0) {
        clearMask();
    } else {
        setMask(QRegion(0, row, width(), height() - row));
    }
}

void Form::moveToPixels(QPoint topLeft)
{
    m_left = Twips::fromPixels(topLeft.x());
    m_top = Twips::fromPixels(topLeft.y());
    move(topLeft);
}

void Form::belongTo(Form& owner)
{
    m_owner = &owner;
    owner.create();
    create();
    windowHandle()->setTransientParent(owner.windowHandle());
}

void Form::showModeless()
{
    if (!m_shownBefore) {
        m_shownBefore = true;
        if (m_startUpPosition == StartUpPosition::CenterScreen) {
            placeAtStartUp();
        }
        // Once every list is made: chaining as each came would redo the whole chain each time.
        chainTabOrder();
        show();
        WindowSystem::current().closeWhenDestroyedElsewhere(*this);
        if (!m_tabOrder.isEmpty()) {
            m_tabOrder.first()->setFocus(Qt::OtherFocusReason);
        }
    } else {
        show();
    }
    if (m_kind == WindowKind::Main) {
        raise();
        activateWindow();
    }
}

void Form::placeAtStartUp()
{
    // Centred in whole pixels on the primary monitor's free area, as a desktop centres a
    // window; one too large for the free area of a small or scaled screen keeps its caption
    // bar within reach instead.
    const QRect area = Monitor::primary().freePixels();
    moveToPixels(QPoint(startUpOffset(area.left(), area.width(), m_width.toPixels()),
                        startUpOffset(area.top(), area.height(), m_height.toPixels())));
}

void Form::joinTabOrder(AnswerList* list)
{
    m_tabOrder.append(list);
}

void Form::chainTabOrder()
{
    std::ranges::sort(m_tabOrder, {}, &AnswerList::tabIndex);
    for (qsizetype i = 1; i < m_tabOrder.size(); ++i) {
        setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
    }
}

void Form::watch(Label* label)
{
    connect(label, &Label::captionChanged, this, [this, label] { onCaptionChanged(label); });
    label->installEventFilter(this);
}

bool Form::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        rememberPress(*static_cast<QMouseEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

void Form::rememberPress(const QMouseEvent& event)
{
    m_pressPosition = event.globalPosition().toPoint();
}

void Form::nameAfter(const Label* captionBar)
{
    m_captionBar = captionBar;
    setAccessibleName(captionBar->accessibleName());
}

void Form::onCaptionChanged(const Label* changed)
{
    if (changed == m_captionBar) {
        setAccessibleName(changed->accessibleName());
    }
    if (m_announcer != nullptr) {
        m_announcer->textsChanged();
    }
}

Timer* Form::add(const TimerDesign& row)
{
    return new Timer(row, this);
}

void Form::disableTimers()
{
    for (Timer* each : findChildren<Timer*>(Qt::FindDirectChildrenOnly)) {
        each->setEnabled(false);
    }
}

void Form::mousePressEvent(QMouseEvent* event)
{
    rememberPress(*event);
    emit mouseDown(buttonState(event->button()));
}

void Form::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMove(buttonState(event->buttons()));
}

void Form::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click arrives as this event alone; a drag may start from it.
    rememberPress(*event);
    // Reached only on the free surface: labels and lists keep their own double clicks.
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
    }
}

void Form::keyPressEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat()) {
        emit keyDown(event->key(), event->modifiers());
    }
}

void Form::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_announcer != nullptr) {
        m_announcer->windowShown();
    }
}

void Form::closeEvent(QCloseEvent* event)
{
    // Closing by the window system goes through the registry, which unloads or ends.
    event->ignore();
    emit closeRequested();
}

} // namespace forms
