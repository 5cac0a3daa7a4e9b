#include "forms_runtime/form.h"

#include "forms_runtime/answer_list.h"
#include "forms_runtime/label.h"
#include "forms_runtime/line.h"
#include "forms_runtime/mouse_buttons.h"
#include "forms_runtime/notification_announcer.h"
#include "forms_runtime/owned_window.h"
#include "forms_runtime/pointer.h"
#include "forms_runtime/screen.h"
#include "forms_runtime/shape.h"
#include "forms_runtime/text.h"
#include "forms_runtime/timer.h"

#include <QCloseEvent>
#include <QDirIterator>
#include <QGuiApplication>
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
    // A notification-style window: the window manager neither places, clamps nor
    // focuses it, and it takes no taskbar button. Its owner keeps it company instead.
    return Qt::Tool | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint |
           Qt::WindowDoesNotAcceptFocus;
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

// Where a window starts along one axis: centred on the screen, or at the start of the
// screen's free area when it is larger than that area.
int startUpOffset(int screenExtent, int areaStart, int areaExtent, int windowExtent)
{
    return windowExtent > areaExtent ? areaStart : (screenExtent - windowExtent) / 2;
}

} // namespace

Form::Form(const FormDesign& design)
    : QWidget(nullptr, flagsFor(design.kind)), m_kind(design.kind),
      m_startUpPosition(design.startUpPosition), m_width(design.width), m_height(design.height)
{
    setWindowTitle(toQString(design.caption));
    setFixedSize(m_width.toPixels(), m_height.toPixels());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(design.backColor));
    setPalette(colours);
    setAutoFillBackground(true);
    setMouseTracking(true);
    if (m_kind == WindowKind::Notification) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        // Qt gives the window type only to a window that exists already.
        create();
        setAttribute(Qt::WA_X11NetWmWindowTypeNotification);
        // A panel never becomes the active window, yet its close label explains itself.
        setAttribute(Qt::WA_AlwaysShowToolTips);
        m_announcer = new NotificationAnnouncer(this);
    }
    if (!design.iconFolder.empty()) {
        setWindowIcon(iconFromFolder(design.iconFolder));
    }
}

void Form::setLeft(Twips left)
{
    m_left = left;
    applyPosition();
}

void Form::setTop(Twips top)
{
    m_top = top;
    applyPosition();
}

void Form::applyPosition()
{
    move(m_left.toPixels(), m_top.toPixels());
}

void Form::moveToPixels(QPoint topLeft)
{
    m_left = Twips::fromPixels(topLeft.x());
    m_top = Twips::fromPixels(topLeft.y());
    move(topLeft);
}

void Form::belongTo(Form& owner)
{
    owner.create();
    create();
    windowHandle()->setTransientParent(owner.windowHandle());
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        new OwnedWindow(*this, owner);
    }
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
    // Centred in whole pixels, as a desktop centres a window; one too large for the free
    // area of a small or scaled screen keeps its caption bar within reach instead.
    const QSize screen = Screen::sizeInPixels();
    const QRect area = Screen::availablePixels();
    moveToPixels(
        QPoint(startUpOffset(screen.width(), area.left(), area.width(), m_width.toPixels()),
               startUpOffset(screen.height(), area.top(), area.height(), m_height.toPixels())));
}

void Form::place(QWidget* control)
{
    control->lower();
}

void Form::place(Label* label)
{
    label->lower();
    connect(label, &Label::captionChanged, this, [this, label] { onCaptionChanged(label); });
}

void Form::place(AnswerList* list)
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

void Form::stopTimers()
{
    for (Timer* each : findChildren<Timer*>(Qt::FindDirectChildrenOnly)) {
        each->setEnabled(false);
    }
}

void Form::mousePressEvent(QMouseEvent* event)
{
    pointer::rememberPress(event->globalPosition().toPoint());
    emit mouseDown(buttonState(event->button()));
}

void Form::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMove(buttonState(event->buttons()));
}

void Form::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click arrives as this event alone; a drag may start from it.
    pointer::rememberPress(event->globalPosition().toPoint());
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
