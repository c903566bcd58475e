#pragma once

#include <QString>

#include <vector>

// The small statistics of the assessment benchmark: Pearson r, least squares and
// leave-one-group-out predictions (the group being the speaker, so that a fit is always
// judged on speakers it has not seen).
namespace Calibration {
// 0 when either series is constant or the lengths differ.
double pearson(const std::vector<double> &x, const std::vector<double> &y);
// Least-squares coefficients of y ~ rows (each row holds the features, a leading 1 for the
// intercept included by the caller); a feature that never varies gets 0; empty when the
// system is still singular.
std::vector<double> fit(const std::vector<std::vector<double>> &rows, const std::vector<double> &y);
double predict(const std::vector<double> &coefficients, const std::vector<double> &row);
// For each row, the prediction of a fit on the rows of every other group.
std::vector<double> leaveOneGroupOut(const std::vector<std::vector<double>> &rows,
                                     const std::vector<double> &y, const std::vector<QString> &groups);
}
