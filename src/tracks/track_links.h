#pragma once
// What the Tracks page hands to the system for its links: only web addresses, e-mail addresses and
// existing movie files, never a text that the system would run as a program or a script.
#include <QString>
#include <optional>

// The home page as a web address: "http://" or "https://" kept, a bare name ("www.example.com") given
// "http://"; anything else (another scheme, a path, blanks) is no web address.
std::optional<QString> WebAddressOf(const QString& text);
// "mailto:" and the address, with the characters that would start parameters or further recipients
// ("?", "&", "#", ",", blanks...) percent-encoded, so the text can only be an address.
QString MailtoOf(const QString& email);
// The movie to open: a web address as above, or the full path of an existing file (relative paths
// taken from the data folder); std::nullopt for anything else.
std::optional<QString> MovieTargetOf(const QString& dataDir, const QString& movie);
