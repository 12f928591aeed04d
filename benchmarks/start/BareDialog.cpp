// The yardstick of the start benchmark: a bare Qt Widgets dialog with one label and one button.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Hallo")));
    layout->addWidget(new QPushButton(QStringLiteral("OK")));
    dialog.show();
    return app.exec();
}
