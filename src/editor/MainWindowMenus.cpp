// frmMain: the menu bar and the pop-up menu of a column.
#include "editor/MainWindow.h"

#include "app/ProgramContext.h"
#include "common/ChromiumProfiles.h"
#include "editor/MainWindowTexts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* MakeAction(const char* name, const char* caption, QObject* parent)
{
    auto* action = new QAction(QString::fromUtf8(caption), parent);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* MakeMenu(const char* name, const char* caption, QWidget* parent)
{
    auto* menu = new QMenu(QString::fromUtf8(caption), parent);
    menu->setObjectName(QString::fromLatin1(name));
    menu->setAccessibleName(menu->title());
    menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
    return menu;
}

} // namespace

void frmMain::BuildMenus()
{
    using namespace MainWindowTexts;
    QMenuBar* bar = menuBar();

    mnuHead = MakeAction("mnuHead", MenuHead, this);
    mnuBanner = MakeAction("mnuBanner", MenuBanner, this);
    mnuFoot = MakeAction("mnuFoot", MenuFoot, this);
    mnuBack = MakeAction("mnuBack", MenuBack, this);
    for (QAction* action : {mnuHead, mnuBanner, mnuFoot, mnuBack})
        bar->addAction(action);
    connect(mnuHead, &QAction::triggered, this, &frmMain::headerEditorRequested);
    connect(mnuBanner, &QAction::triggered, this, &frmMain::bannerEditorRequested);
    connect(mnuFoot, &QAction::triggered, this, &frmMain::footerEditorRequested);
    connect(mnuBack, &QAction::triggered, this, &frmMain::backgroundRequested);

    mnuStart = MakeMenu("mnuStart", MenuStart, this);
    mnuIE = MakeAction("mnuIE", MenuIE, mnuStart);
    mnuFF = MakeAction("mnuFF", MenuFF, mnuStart);
    mnuOP = MakeAction("mnuOP", MenuOP, mnuStart);
    int browser = 0;
    for (QAction* action : {mnuIE, mnuFF, mnuOP}) {
        action->setCheckable(true);
        mnuStart->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, action, browser](bool checked) { StartPageChosen(action, browser, checked); });
        ++browser;
    }
    for (std::size_t i = 0; i < mnuChromium.size(); ++i) {
        QAction* action = MakeAction(MenuChromium[i].first, MenuChromium[i].second, mnuStart);
        mnuChromium[i] = action;
        action->setCheckable(true);
        action->setVisible(false);
        mnuStart->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, action, browser](bool checked) { StartPageChosen(action, browser, checked); });
        ++browser;
    }
    connect(mnuStart, &QMenu::aboutToShow, this, [this] {
        const UserFolders folders = CurrentUserFolders();
        for (std::size_t i = 0; i < mnuChromium.size(); ++i)
            mnuChromium[i]->setVisible(!ChromiumUserDataFolders(kChromiumBrowsers[i].kind, folders).empty());
    });
    bar->addMenu(mnuStart);

    mnuPnw = MakeMenu("mnuPnw", MenuPnw, this);
    mnuNew = MakeAction("mnuNew", MenuNew, mnuPnw);
    mnuLoad = MakeAction("mnuLoad", MenuLoad, mnuPnw);
    mnuPnw->addAction(mnuNew);
    mnuPnw->addAction(mnuLoad);
    mnuImport = MakeAction("mnuImport", MenuImport, mnuPnw);
    mnuPnw->addAction(mnuImport);
    bar->addMenu(mnuPnw);
    connect(mnuNew, &QAction::triggered, this, [this] {
        m_context.NewPageFromEditor = true;
        emit newPageRequested();
    });
    connect(mnuLoad, &QAction::triggered, this, &frmMain::loadPageRequested);
    connect(mnuImport, &QAction::triggered, this, &frmMain::importRequested);

    // The pop-up menu of a column; it is not in the menu bar.
    mnuPop = MakeMenu("mnuPop", MenuPop, this);
    for (int target = 0; target < kColumnCount; ++target) {
        const QString name = QStringLiteral("mnuMove%1").arg(target);
        mnuMove[target] = MakeAction(name.toLatin1().constData(), MenuMove, mnuPop);
        mnuMove[target]->setText(QString::fromUtf8(MenuMove).arg(target + 1));
        mnuPop->addAction(mnuMove[target]);
        connect(mnuMove[target], &QAction::triggered, this, [this, target] { MoveEntryToColumn(target); });
    }
    mnuPop->addSeparator();
    mnuDelete = MakeAction("mnuDelete", MenuDelete, mnuPop);
    mnuPop->addAction(mnuDelete);
    connect(mnuDelete, &QAction::triggered, this, [this] {
        const int index = m_context.Selection.TargetColumn - 1;
        if (index >= 0 && index < kColumnCount)
            DeleteEntry(index);
    });
}

void frmMain::StartPageChosen(QAction* action, int browser, bool checked)
{
    // The mark tells whether this page is the browser's start page; only the installer, which
    // may fail or be refused, changes it, so the toggle of the click itself is taken back.
    action->setChecked(!checked);
    emit startPageRequested(browser);
}
