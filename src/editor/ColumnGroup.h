// The controls of one column of the column editor, in their frame "Spalte n:": the entry list,
// the logo of the picked entry with its capture label, its link field and the column's buttons.
#pragma once

#include <QGroupBox>

class ccXPButton;
class ColumnListWidget;
class QLabel;
class QLineEdit;
class QPixmap;

class ColumnGroup : public QGroupBox {
    Q_OBJECT

public:
    // `index` 0 to 5; the controls are named with it ("lstPinwall0" ...).
    ColumnGroup(int index, QWidget* parent = nullptr);

    int Index() const { return m_index; }

    ColumnListWidget* lstPinwall;
    QLabel* picLogo;
    QLabel* lblLogo;
    QLineEdit* txtLink;
    ccXPButton* cmdNewEntry;
    ccXPButton* cmdDel;
    ccXPButton* cmdUp;
    ccXPButton* cmdDown;

    // Shows the picture in picLogo, scaled down to fit where it is larger.
    void ShowPicture(const QPixmap& picture);
    void ClearPicture();
    void ShowCaptureLabel(bool shown);

signals:
    void LogoClicked();
    void LinkPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_index;
};
