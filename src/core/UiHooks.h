#pragma once

#include <QString>

#include <functional>
#include <optional>

// Replaceable hooks for everything that waits for a person or leaves the program:
// file and folder pickers, the text input box, opening files and web addresses,
// the busy cursor. The desktop program installs real dialogs; tests install
// answers. Without a hook a picker answers "cancelled".
namespace UiHooks {

struct FileRequest
{
    QString title;
    QString filter;   // Qt filter text, e.g. "数据库文件 (*.db)"
    QString folder;   // initial folder
    QString fileName; // proposed file name (save dialogs)
};

using FilePicker = std::function<std::optional<QString>(const FileRequest &)>;
using TextInput = std::function<std::optional<QString>(const QString &title, const QString &prompt, const QString &value)>;
using Opener = std::function<bool(const QString &pathOrUrl)>;
using BusyCursor = std::function<void(bool busy)>;

struct Hooks
{
    FilePicker openFile;
    FilePicker saveFile;
    FilePicker chooseFolder;
    TextInput inputText;
    Opener openDocument;  // files, folders and web addresses
    BusyCursor busy;
};

Hooks &hooks();

std::optional<QString> openFile(const FileRequest &r);
std::optional<QString> saveFile(const FileRequest &r);
std::optional<QString> chooseFolder(const FileRequest &r);
std::optional<QString> inputText(const QString &title, const QString &prompt, const QString &value = {});
bool openDocument(const QString &pathOrUrl);

// Shows the busy cursor for its lifetime.
class BusyScope
{
public:
    BusyScope();
    ~BusyScope();
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;
};

} // namespace UiHooks
