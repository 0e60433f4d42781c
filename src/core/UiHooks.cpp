#include "core/UiHooks.h"

namespace UiHooks {

Hooks &hooks()
{
    static Hooks h;
    return h;
}

std::optional<QString> openFile(const FileRequest &r)
{
    return hooks().openFile ? hooks().openFile(r) : std::nullopt;
}

std::optional<QString> saveFile(const FileRequest &r)
{
    return hooks().saveFile ? hooks().saveFile(r) : std::nullopt;
}

std::optional<QString> chooseFolder(const FileRequest &r)
{
    return hooks().chooseFolder ? hooks().chooseFolder(r) : std::nullopt;
}

std::optional<QString> inputText(const QString &title, const QString &prompt, const QString &value)
{
    return hooks().inputText ? hooks().inputText(title, prompt, value) : std::nullopt;
}

bool openDocument(const QString &pathOrUrl)
{
    return hooks().openDocument ? hooks().openDocument(pathOrUrl) : false;
}

BusyScope::BusyScope()
{
    if (hooks().busy)
        hooks().busy(true);
}

BusyScope::~BusyScope()
{
    if (hooks().busy)
        hooks().busy(false);
}

} // namespace UiHooks
