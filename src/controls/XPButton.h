// ccXPButton: the owner-drawn push button of the Pinwall windows. It looks like a Windows XP
// button on every platform and raises Click and DblClick as a command button does.
#pragma once

#include "controls/XPButtonPainter.h"

#include <QColor>
#include <QString>
#include <QWidget>

class ccXPButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption NOTIFY captionChanged)
    Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor NOTIFY foreColorChanged)
    Q_PROPERTY(bool focusRect READ focusRect WRITE setFocusRect NOTIFY focusRectChanged)
    Q_PROPERTY(bool default READ isDefault WRITE setDefault NOTIFY defaultChanged)

public:
    explicit ccXPButton(QWidget* parent = nullptr);
    ~ccXPButton() override;

    // "&" marks the access key (Alt + the letter), "&&" stands for a literal "&".
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // The caption as shown, without the access key marks.
    QString plainCaption() const;

    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor& colour);

    bool focusRect() const { return m_focusRect; }
    void setFocusRect(bool on);

    // The containing window marks its default button; it then glows like a focused one.
    bool isDefault() const { return m_default; }
    void setDefault(bool on);

    XPButtonDrawState drawState() const { return m_state; }
    bool isMouseOver() const { return m_over; }
    bool isPressed() const { return m_pressed; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Puts the mouse pointer on the centre of the button.
    void SnapMouseTo();

public slots:
    // A complete press and release, as the user would make it with the mouse.
    void click();

signals:
    void Click();
    void DblClick();
    void MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, int x, int y);
    // 1 when the window that contains the button became active, 0 when it lost activation.
    void FormActivate(int state);

    void captionChanged(const QString& caption);
    void foreColorChanged(const QColor& colour);
    void focusRectChanged(bool on);
    void defaultChanged(bool on);
    void enabledChanged(bool enabled);
    void fontChanged(const QFont& font);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void setDrawState(XPButtonDrawState state, bool always = false);
    void pointerInside();
    void pointerOutside();
    void pointerLeft();
    void accessKeyPressed();
    void setFormActive(bool active);
    void applyEnabled();

    QString m_caption;
    QColor m_foreColor;
    bool m_focusRect = true;
    bool m_default = false;
    int m_shortcutId = 0;

    XPButtonDrawState m_state = XPButtonDrawState::Normal;
    bool m_over = false;
    bool m_hasFocus = false;
    bool m_pressed = false;   // a mouse or Space press began here and is not finished
    bool m_mouseHeld = false;
    bool m_spaceHeld = false;
    bool m_formActive = false;
};
