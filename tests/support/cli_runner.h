#pragma once
// Runs vorlapa-cli (its path in VORLAPA_CLI) as a process and collects what it printed.
#include <QProcess>
#include <QString>
#include <QStringList>

#ifndef VORLAPA_CLI
#error "cli_runner.h needs VORLAPA_CLI, the path of vorlapa-cli"
#endif

struct CliRun {
    int status = -1;
    QString out, err;
    QStringList lines; // out split at line ends, without the empty piece after the last one
};

// prefix, when given, is a program that starts vorlapa-cli ("unshare --user").
inline CliRun RunCli(const QStringList& args,
                     const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                     int timeoutMs = 30000, const QStringList& prefix = {}, const QString& stdoutFile = {}) {
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!stdoutFile.isEmpty()) process.setStandardOutputFile(stdoutFile);
    if (prefix.isEmpty())
        process.start(QStringLiteral(VORLAPA_CLI), args);
    else
        process.start(prefix.first(), prefix.mid(1) + QStringList{QStringLiteral(VORLAPA_CLI)} + args);
    process.waitForFinished(timeoutMs);
    CliRun run;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    QString trimmed = run.out;
    if (trimmed.endsWith(u'\n')) trimmed.chop(1);
    if (!trimmed.isEmpty()) run.lines = trimmed.split(u'\n');
    return run;
}
