#include "ImportProposal.h"

QList<ModuleLine> ParseModuleLines(const QString& output) {
    QList<ModuleLine> modules;
    for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype dash = line.indexOf(QStringLiteral(" - "));
        if (dash > 0)
            modules.append({line.left(dash).trimmed(), line.mid(dash + 3).trimmed()});
    }
    return modules;
}

QString ProposedFileName(const QString& module, const QStringList& taken) {
    QString stem;
    for (QChar c : module.toLower())
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c.isDigit())
            stem += c;
    if (stem.isEmpty())
        stem = QStringLiteral("prevod");
    stem.truncate(14);
    const auto isTaken = [&](const QString& name) {
        return taken.contains(name, Qt::CaseInsensitive);
    };
    QString name = stem + QStringLiteral(".mdb");
    for (int n = 2; isTaken(name); ++n)
        name = stem + QString::number(n) + QStringLiteral(".mdb");
    return name;
}

int ProgressOfLine(const QString& line) {
    if (!line.startsWith(QStringLiteral("progress ")))
        return -1;
    bool ok = false;
    const int percent = line.mid(9).trimmed().toInt(&ok);
    return ok && percent >= 0 && percent <= 100 ? percent : -1;
}
