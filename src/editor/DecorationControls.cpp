#include "editor/DecorationControls.h"

#include "controls/XPButton.h"

#include <QFont>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

constexpr int kArrowSide = 32;

} // namespace

ccXPButton* MakeDecorationButton(const char* name, const char* caption, QWidget* parent)
{
    auto* button = new ccXPButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setCaption(QString::fromUtf8(caption));
    return button;
}

QListWidget* MakeDecorationList(const char* name, int width, int height, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(list->objectName());
    list->setFixedSize(width, height);
    return list;
}

ccXPButton* MakeArrowButton(const char* name, const char* glyph, QWidget* parent)
{
    ccXPButton* button = MakeDecorationButton(name, glyph, parent);
    button->setFixedSize(kArrowSide, kArrowSide);
    // Most fonts draw the left and right triangles smaller than the up and down ones.
    QFont font = button->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    button->setFont(font);
    return button;
}

QVBoxLayout* ButtonPair(ccXPButton* upper, ccXPButton* lower)
{
    auto* pair = new QVBoxLayout;
    pair->addStretch();
    pair->addWidget(upper);
    pair->addWidget(lower);
    pair->addStretch();
    return pair;
}

void OnClickAndDoubleClick(ccXPButton& button, QWidget& receiver, std::function<void()> action)
{
    QObject::connect(&button, &ccXPButton::Click, &receiver, action);
    QObject::connect(&button, &ccXPButton::DblClick, &receiver, action);
}

bool AppendOnce(QListWidget& list, const QString& name)
{
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->text() == name) return false;
    }
    list.addItem(name);
    return true;
}

QStringList ListTexts(const QListWidget& list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << list.item(row)->text();
    return texts;
}
