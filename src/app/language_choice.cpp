#include "language_choice.h"

#include "command_line.h"

QString ChooseLanguage(const QString& argument, const QString& langVariable, const QString& systemLocale) {
    for (QString code : {argument, langVariable, systemLocale}) {
        // "sv_SE.UTF-8@euro" names the language "sv_SE".
        code = code.section(u'.', 0, 0).section(u'@', 0, 0);
        if (code.isEmpty()) continue;
        if (code == u"C" || code == u"POSIX") return QString();
        if (IsSafeLanguageCode(code)) return code;
    }
    return QString();
}

QStringList LanguageCandidates(const QString& language) {
    QStringList names;
    if (language.isEmpty()) return names;
    names << language;
    const QString base = language.section(u'_', 0, 0).section(u'-', 0, 0);
    if (base != language) names << base;
    if (base == u"nb" || base == u"nn") names << QStringLiteral("no");
    return names;
}

RuntimeTexts RuntimeTextsOf(const QString& catalogueName) {
    // Danish, Finnish and Norwegian keep the standard texts English, like the rest of their catalogues.
    static const QStringList qtCatalogues{QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
                                          QStringLiteral("it")};
    if (qtCatalogues.contains(catalogueName)) return RuntimeTexts::QtCatalogue;
    if (catalogueName == u"sv") return RuntimeTexts::Own;
    return RuntimeTexts::None;
}
