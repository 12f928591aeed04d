// frmBack, the background chooser "Hintergrund": the picture of BackFolder that the generated
// page uses as its background, and whether it uses one. The choice is stored when the window
// closes, however it is closed, except when the program ends. Made afresh for every opening.
#pragma once

#include <QWidget>

class PictureChoice;
struct ProgramContext;

class frmBack : public QWidget {
    Q_OBJECT

public:
    explicit frmBack(ProgramContext& context, QWidget* parent = nullptr);
    ~frmBack() override;

    // Shows the window (not modal), then lists the pictures and shows the page's background.
    void Open();

    PictureChoice* Choice() const { return Frame1; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ProgramContext& m_context;
    bool m_placed = false;

    PictureChoice* Frame1 = nullptr;
};
