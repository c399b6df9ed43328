#include "track_links.h"

#include "track_list.h"

#include <QFileInfo>
#include <QUrl>

std::optional<QString> WebAddressOf(const QString& text) {
    QString address = text.trimmed();
    if (address.isEmpty()) return std::nullopt;
    for (const QChar c : address)
        if (c.isSpace() || c.category() == QChar::Other_Control) return std::nullopt;
    const bool web = address.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
                     address.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
    if (!web) {
        if (address.contains(QLatin1String("://"))) return std::nullopt;
        address.prepend(QLatin1String("http://"));
    }
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()) return std::nullopt;
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) return std::nullopt;
    return address;
}

QString MailtoOf(const QString& email) {
    return QStringLiteral("mailto:") +
           QString::fromLatin1(QUrl::toPercentEncoding(email.trimmed(), QByteArrayLiteral("@+")));
}

std::optional<QString> MovieTargetOf(const QString& dataDir, const QString& movie) {
    if (movie.trimmed().isEmpty()) return std::nullopt;
    const QString trimmed = movie.trimmed();
    if (trimmed.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
        trimmed.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return WebAddressOf(trimmed);
    const QFileInfo file(ResolveDataPath(dataDir, movie));
    if (!file.isFile()) return std::nullopt;
    return file.absoluteFilePath();
}
