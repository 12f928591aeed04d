// Pinwall-Builder: the entry point only; start-up decides which window opens.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel placeholder("Kestrel Pinwall-Builder");
    placeholder.show();
    return app.exec();
}
