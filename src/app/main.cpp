#include "app/TfrmSplash.h"

#include "core/DataModule.h"
#include "core/Settings.h"
#include "core/Startup.h"
#include "main/TFrmMain.h"
#include "operators/Login.h"
#include "operators/TfrmOperLogin.h"
#include "widgets/GuiHooks.h"

#include <QApplication>
#include <QThread>

#include <memory>

int main(int argc, char **argv)
{
    QApplication::setApplicationName(QStringLiteral("marlo"));
    QApplication app(argc, argv);
    InstallGuiHooks();

    auto splash = std::make_unique<TfrmSplash>();
    splash->show();
    splash->setStatus(QStringLiteral("系统正在启动，请稍候 ....."));

    Startup::SplashUi ui;
    ui.status = [&](const QString &t) { if (splash) splash->setStatus(t); };
    ui.hide = [&] { splash.reset(); };
    ui.show = [&] {
        splash = std::make_unique<TfrmSplash>();
        splash->show();
        splash->setStatus(QStringLiteral("正在连接数据库 ....."));
    };
    if (!Startup::ConnectDatabase(ui))
        return 0;
    Startup::InstallShippedFiles();
    ui.status(QStringLiteral("连接成功，正在登录 ....."));

    FrmMain = new TFrmMain;
    ui.status(QStringLiteral("连接成功，正在登录 ..."));
    QThread::msleep(20);
    ui.status(QStringLiteral("连接成功，正在登录 ....."));
    splash.reset();

    if (!ShowLogin(Login::StartUp)) {
        delete FrmMain;
        return 0;
    }
    FrmMain->show();
    const int rc = app.exec();
    delete FrmMain;
    FrmMain = nullptr;
    return rc;
}
