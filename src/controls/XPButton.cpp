// ccXPButton: the owner-drawn push button; its looks follow the pointer, the keyboard focus,
// the activation of its window and the default flag.
#include "controls/XPButton.h"

#include "controls/XPButtonAccessible.h"

#include <QAccessible>
#include <QCursor>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace {

// No side of the button may be smaller than 100 twips.
constexpr int kMinimumSideTwips = 100;
constexpr int kTwipsPerPixel = 15;
constexpr int kMinimumSide = (kMinimumSideTwips + kTwipsPerPixel - 1) / kTwipsPerPixel;

QFont defaultFont(const QFont& inherited)
{
    QFont font = inherited;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(8);
    return font;
}

} // namespace

ccXPButton::ccXPButton(QWidget* parent)
    : QWidget(parent)
    , m_foreColor(Qt::black)
{
    installXPButtonAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(kMinimumSide, kMinimumSide);
    setFont(defaultFont(font()));
    setCaption(QStringLiteral("&OK"));
}

ccXPButton::~ccXPButton() = default;

void ccXPButton::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    if (m_shortcutId != 0)
        releaseShortcut(m_shortcutId);
    m_shortcutId = grabShortcut(QKeySequence::mnemonic(caption));
    updateGeometry();
    update();
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    emit captionChanged(m_caption);
}

QString ccXPButton::plainCaption() const
{
    QString text;
    text.reserve(m_caption.size());
    for (qsizetype i = 0; i < m_caption.size(); ++i) {
        if (m_caption[i] == u'&') {
            if (i + 1 < m_caption.size() && m_caption[i + 1] == u'&')
                ++i;
            else
                continue;
        }
        text += m_caption[i];
    }
    return text;
}

void ccXPButton::setForeColor(const QColor& colour)
{
    if (colour == m_foreColor)
        return;
    m_foreColor = colour;
    update();
    emit foreColorChanged(colour);
}

void ccXPButton::setFocusRect(bool on)
{
    if (on == m_focusRect)
        return;
    m_focusRect = on;
    if (m_hasFocus)
        update();
    emit focusRectChanged(on);
}

void ccXPButton::setDefault(bool on)
{
    if (on == m_default)
        return;
    m_default = on;
    // A focused button keeps its blue glow when it stops being the default one.
    if (isEnabled() && !m_over)
        setDrawState(m_default || m_hasFocus ? XPButtonDrawState::Focused : XPButtonDrawState::Normal, m_default);
    emit defaultChanged(on);
}

QSize ccXPButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const QSize text = metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, m_caption);
    return QSize(qMax(75, text.width() + 16), qMax(23, text.height() + 10));
}

QSize ccXPButton::minimumSizeHint() const
{
    return QSize(kMinimumSide, kMinimumSide);
}

void ccXPButton::SnapMouseTo()
{
    QCursor::setPos(mapToGlobal(QPoint(width() / 2, height() / 2)));
}

void ccXPButton::click()
{
    if (isEnabled())
        emit Click();
}

void ccXPButton::setDrawState(XPButtonDrawState state, bool always)
{
    if (state == m_state && !always)
        return;
    const bool pressedChanged = (state == XPButtonDrawState::Pressed) != (m_state == XPButtonDrawState::Pressed);
    m_state = state;
    update();
    if (pressedChanged) {
        QAccessible::State changed;
        changed.pressed = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

// --- pointer -------------------------------------------------------------------------------

void ccXPButton::pointerInside()
{
    m_over = true;
    if (m_formActive && !m_spaceHeld)
        setDrawState(m_pressed ? XPButtonDrawState::Pressed : XPButtonDrawState::Hot);
}

void ccXPButton::pointerOutside()
{
    m_over = false;
    if (m_formActive && !m_spaceHeld)
        setDrawState(m_hasFocus ? XPButtonDrawState::Focused : XPButtonDrawState::Normal);
}

void ccXPButton::pointerLeft()
{
    m_over = false;
    if (m_spaceHeld || !isEnabled())
        return;
    if (!m_hasFocus && !m_default)
        setDrawState(XPButtonDrawState::Normal);
    else if (m_state == XPButtonDrawState::Pressed)
        setDrawState(m_pressed ? XPButtonDrawState::Focused : XPButtonDrawState::Normal);
    else if (m_formActive)
        setDrawState(XPButtonDrawState::Focused);
}

void ccXPButton::enterEvent(QEnterEvent*)
{
    // A window that opens under a resting pointer reports only the enter, not a move.
    if (isEnabled())
        pointerInside();
    else
        m_over = true;
}

void ccXPButton::leaveEvent(QEvent*)
{
    pointerLeft();
}

void ccXPButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (rect().contains(pos))
        pointerInside();
    else
        pointerOutside();
    emit MouseMove(event->buttons(), event->modifiers(), pos.x(), pos.y());
}

void ccXPButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_hasFocus = true;
    m_pressed = true;
    m_mouseHeld = true;
    setDrawState(XPButtonDrawState::Pressed);
}

void ccXPButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // The release point decides, even when no move reported the pointer leaving.
    m_over = rect().contains(event->position().toPoint());
    const bool clicked = m_over && m_hasFocus && m_pressed;
    if (m_formActive) {
        if (m_over)
            setDrawState(XPButtonDrawState::Hot);
        else if (m_hasFocus)
            setDrawState(XPButtonDrawState::Focused, true);
    }
    m_pressed = false;
    m_mouseHeld = false;
    if (clicked)
        emit Click();
}

void ccXPButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // The second press of a double click already arrived as a press; it must not end in a
    // second Click, only in DblClick.
    m_pressed = false;
    m_mouseHeld = false;
    setDrawState(XPButtonDrawState::Pressed, true);
    emit DblClick();
}

// --- keyboard ------------------------------------------------------------------------------

void ccXPButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit Click();
        return;
    case Qt::Key_Space:
        if (!event->isAutoRepeat() && !m_mouseHeld) {
            m_spaceHeld = true;
            m_pressed = true;
            setDrawState(XPButtonDrawState::Pressed);
        }
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusNextPrevChild(false);
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNextPrevChild(true);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ccXPButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    // A held key repeats as release and press pairs; only the real release ends the press.
    if (event->isAutoRepeat() || m_mouseHeld)
        return;
    const bool clicked = m_pressed;
    if (m_over)
        setDrawState(XPButtonDrawState::Hot);
    else
        setDrawState(XPButtonDrawState::Focused, true);
    m_spaceHeld = false;
    m_pressed = false;
    if (clicked)
        emit Click();
}

void ccXPButton::accessKeyPressed()
{
    if (m_spaceHeld) {
        m_spaceHeld = false;
        m_pressed = false;
        setDrawState(m_over ? XPButtonDrawState::Hot : XPButtonDrawState::Focused);
        return;
    }
    // The button takes the focus and shows it before the click handler runs, which may well
    // keep the event loop busy for a while.
    setFocus(Qt::ShortcutFocusReason);
    if (isVisible())
        repaint();
    emit Click();
}

// --- focus, window activation, enabling ----------------------------------------------------

void ccXPButton::focusInEvent(QFocusEvent* event)
{
    m_hasFocus = true;
    if (m_over) {
        if (m_state != XPButtonDrawState::Hot && m_state != XPButtonDrawState::Pressed)
            setDrawState(XPButtonDrawState::Hot);
    } else if (!m_pressed) {
        setDrawState(XPButtonDrawState::Focused);
    }
    QWidget::focusInEvent(event);
}

void ccXPButton::focusOutEvent(QFocusEvent* event)
{
    m_hasFocus = false;
    m_pressed = false;
    m_spaceHeld = false;
    if (isEnabled()) {
        if (!m_formActive)
            setDrawState(XPButtonDrawState::Normal);
        else if (m_over)
            setDrawState(XPButtonDrawState::Hot);
        else if (m_default)
            setDrawState(XPButtonDrawState::Focused, true);
        else
            setDrawState(XPButtonDrawState::Normal);
    }
    QWidget::focusOutEvent(event);
}

void ccXPButton::setFormActive(bool active)
{
    if (active == m_formActive)
        return;
    m_formActive = active;
    if (active) {
        if (isEnabled()) {
            if (m_over)
                setDrawState(XPButtonDrawState::Hot);
            else if (m_hasFocus || m_default)
                setDrawState(XPButtonDrawState::Focused, true);
        }
        emit FormActivate(1);
    } else {
        m_pressed = false;
        m_mouseHeld = false;
        m_spaceHeld = false;
        if (isEnabled())
            setDrawState(XPButtonDrawState::Normal);
        emit FormActivate(0);
    }
}

void ccXPButton::applyEnabled()
{
    const bool enabled = isEnabled();
    if (!enabled) {
        // A disabled button hears no release; a press it had begun can never finish.
        m_pressed = false;
        m_mouseHeld = false;
        m_spaceHeld = false;
    }
    if (m_over && enabled)
        setDrawState(XPButtonDrawState::Hot);
    else if (m_default && enabled)
        setDrawState(XPButtonDrawState::Focused);
    else
        setDrawState(enabled ? XPButtonDrawState::Normal : XPButtonDrawState::Disabled);
    emit enabledChanged(enabled);
}

bool ccXPButton::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Shortcut: {
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->shortcutId() != m_shortcutId)
            break;
        if (isEnabled()) {
            // Two buttons with the same access key: each press moves the focus on by one.
            if (shortcut->isAmbiguous())
                setFocus(Qt::ShortcutFocusReason);
            else
                accessKeyPressed();
        }
        return true;
    }
    case QEvent::WindowActivate:
        setFormActive(true);
        break;
    case QEvent::WindowDeactivate:
        setFormActive(false);
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void ccXPButton::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        applyEnabled();
        break;
    case QEvent::FontChange:
        updateGeometry();
        update();
        emit fontChanged(font());
        break;
    case QEvent::ActivationChange:
        setFormActive(isActiveWindow());
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void ccXPButton::showEvent(QShowEvent* event)
{
    // A button shown in a window that is already active hears of no activation.
    setFormActive(isActiveWindow());
    QWidget::showEvent(event);
}

// --- geometry and drawing ------------------------------------------------------------------

void ccXPButton::resizeEvent(QResizeEvent* event)
{
    setMask(XPButtonPainter::outline(size()));
    update();
    QWidget::resizeEvent(event);
}

void ccXPButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    XPButtonLook look;
    look.state = m_state;
    look.caption = m_caption;
    look.font = font();
    look.foreColor = m_foreColor;
    look.focusRect = m_hasFocus && m_focusRect;
    XPButtonPainter::paint(painter, size(), look);
}
