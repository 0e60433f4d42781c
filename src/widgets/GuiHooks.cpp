#include "widgets/GuiHooks.h"

#include "core/Messages.h"
#include "core/PubUnit.h"
#include "core/UiHooks.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace {

int showMessageBox(const QString &text, int kind)
{
    QWidget *parent = QApplication::activeWindow();
    // Message boxes carry the application title, as the task bar entry does.
    const QString &title = PubUnit::ApplicationTitle;
    switch (kind) {
    case MessQuestion:
        return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
                       QMessageBox::Yes
                   ? MessYes
                   : MessNo;
    case MessWarning:
        QMessageBox::warning(parent, title, text);
        return 0;
    case MessError:
        QMessageBox::critical(parent, title, text);
        return 0;
    default:
        QMessageBox::information(parent, title, text);
        return 0;
    }
}

std::optional<QString> answer(const QString &picked)
{
    return picked.isEmpty() ? std::nullopt : std::optional<QString>(picked);
}

} // namespace

void InstallGuiHooks()
{
    setMessageHandler(showMessageBox);
    UiHooks::Hooks &h = UiHooks::hooks();
    h.openFile = [](const UiHooks::FileRequest &r) {
        return answer(QFileDialog::getOpenFileName(QApplication::activeWindow(), r.title, r.folder, r.filter));
    };
    h.saveFile = [](const UiHooks::FileRequest &r) {
        const QString start = r.fileName.isEmpty() ? r.folder : QFileInfo(r.folder + QLatin1Char('/') + r.fileName).filePath();
        return answer(QFileDialog::getSaveFileName(QApplication::activeWindow(), r.title, start, r.filter));
    };
    h.chooseFolder = [](const UiHooks::FileRequest &r) {
        return answer(QFileDialog::getExistingDirectory(QApplication::activeWindow(), r.title, r.folder));
    };
    h.inputText = [](const QString &title, const QString &prompt, const QString &value) -> std::optional<QString> {
        bool ok = false;
        const QString text =
            QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal, value, &ok);
        return ok ? std::optional<QString>(text) : std::nullopt;
    };
    h.openDocument = [](const QString &target) {
        const QUrl url = target.contains(QLatin1String("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
        return QDesktopServices::openUrl(url);
    };
    h.busy = [](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
}
