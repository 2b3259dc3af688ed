#include "TuneComparison.h"

#include <QCoreApplication>
#include <QVariantMap>
#include <cmath>

namespace {

QVariant number(double value) {
    return std::isfinite(value) ? QVariant(value) : QVariant();
}

QVariantList ratios(const tune::DriveEvaluation& drive) {
    QVariantList list;
    for (const cueing::ChannelScores& channel : drive.scores.channels)
        list.append(number(channel.errorRatio));
    return list;
}

QVariantMap driveRow(const tune::DriveEvaluation& first, const tune::DriveEvaluation& second) {
    return {{QStringLiteral("drive"), QString::fromStdString(first.name)},
            {QStringLiteral("cost"), QVariantList{number(first.cost), number(second.cost)}},
            {QStringLiteral("fits"), QVariantList{first.violation <= 0.0, second.violation <= 0.0}},
            {QStringLiteral("ratios"), QVariantList{ratios(first), ratios(second)}}};
}

QVariantMap totalRow(const tune::Evaluation& first, const tune::Evaluation& second) {
    return {{QStringLiteral("drive"), QCoreApplication::translate("TuneComparison", "All drives")},
            {QStringLiteral("cost"), QVariantList{number(first.cost), number(second.cost)}},
            {QStringLiteral("fits"), QVariantList{first.feasible(), second.feasible()}},
            {QStringLiteral("ratios"), QVariantList{}}};
}

} // namespace

QVariantList comparisonRows(const tune::Evaluation& first, const tune::Evaluation& second) {
    QVariantList rows;
    if (first.drives.size() != second.drives.size())
        return rows;
    for (std::size_t i = 0; i < first.drives.size(); ++i)
        rows.append(driveRow(first.drives[i], second.drives[i]));
    if (first.drives.size() > 1)
        rows.append(totalRow(first, second));
    return rows;
}
