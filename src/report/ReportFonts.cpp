#include "report/ReportFonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QMutex>
#include <QStringList>

namespace {

struct Substitute
{
    QStringList names;       // template names (lower case)
    QStringList candidates;  // installed families, best first
};

const QList<Substitute> &substitutes()
{
    static const QList<Substitute> list = {
        {{QStringLiteral("宋体"), QStringLiteral("simsun"), QStringLiteral("新宋体"), QStringLiteral("nsimsun"),
          QStringLiteral("宋体-方正超大字符集"), QStringLiteral("仿宋"), QStringLiteral("仿宋_gb2312"),
          QStringLiteral("fangsong"), QStringLiteral("simfang")},
         {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL SungtiL GB"), QStringLiteral("Noto Serif CJK SC"),
          QStringLiteral("WenQuanYi Micro Hei")}},
        {{QStringLiteral("黑体"), QStringLiteral("simhei"), QStringLiteral("微软雅黑"), QStringLiteral("microsoft yahei"),
          QStringLiteral("幼圆"), QStringLiteral("youyuan")},
         {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")}},
        {{QStringLiteral("楷体"), QStringLiteral("楷体_gb2312"), QStringLiteral("kaiti"), QStringLiteral("kaiti_gb2312"),
          QStringLiteral("simkai"), QStringLiteral("华文楷体")},
         {QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL KaitiM GB"), QStringLiteral("AR PL UMing CN"),
          QStringLiteral("WenQuanYi Micro Hei")}},
        {{QStringLiteral("arial"), QStringLiteral("helvetica"), QStringLiteral("tahoma"), QStringLiteral("verdana"),
          QStringLiteral("ms sans serif"), QStringLiteral("microsoft sans serif"), QStringLiteral("segoe ui")},
         {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans"),
          QStringLiteral("WenQuanYi Micro Hei")}},
        {{QStringLiteral("times new roman"), QStringLiteral("times"), QStringLiteral("ms serif")},
         {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"), QStringLiteral("DejaVu Serif"),
          QStringLiteral("AR PL UMing CN")}},
        {{QStringLiteral("courier new"), QStringLiteral("courier")},
         {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"), QStringLiteral("DejaVu Sans Mono")}},
    };
    return list;
}

const QStringList &cjkFallbacks()
{
    static const QStringList list = {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("AR PL UMing CN"),
                                     QStringLiteral("Noto Sans CJK SC")};
    return list;
}

bool installed(const QString &family)
{
    static QHash<QString, bool> cache;
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    auto it = cache.constFind(family);
    if (it != cache.constEnd())
        return *it;
    const bool has = QFontDatabase::hasFamily(family);
    cache.insert(family, has);
    return has;
}

QString cjkFallback()
{
    for (const QString &f : cjkFallbacks())
        if (installed(f))
            return f;
    return {};
}

} // namespace

namespace ReportFonts {

QString family(const QString &templateName)
{
    const QString lower = templateName.trimmed().toLower();
    for (const Substitute &s : substitutes())
        if (s.names.contains(lower)) {
            for (const QString &c : s.candidates)
                if (installed(c))
                    return c;
            break;
        }
    if (!templateName.trimmed().isEmpty() && installed(templateName.trimmed()))
        return templateName.trimmed();
    const QString cjk = cjkFallback();
    return cjk.isEmpty() ? templateName : cjk;
}

QFont font(const ReportFont &f)
{
    QFont font;
    const QString main = family(f.name);
    QStringList families{main};
    const QString cjk = cjkFallback();
    if (!cjk.isEmpty() && cjk != main)
        families << cjk;
    font.setFamilies(families);
    font.setPointSizeF(f.pointSize() > 0 ? f.pointSize() : 9.0);
    font.setBold(f.style & ReportFont::Bold);
    font.setItalic(f.style & ReportFont::Italic);
    font.setUnderline(f.style & ReportFont::Underline);
    font.setStrikeOut(f.style & ReportFont::StrikeOut);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

} // namespace ReportFonts
