#include "Calibration.h"

#include <cmath>
#include <numeric>
#include <utility>

namespace Calibration {
double pearson(const std::vector<double> &x, const std::vector<double> &y)
{
    const size_t n = x.size();
    if (n < 2 || y.size() != n)
        return 0.0;
    const double mx = std::accumulate(x.begin(), x.end(), 0.0) / double(n);
    const double my = std::accumulate(y.begin(), y.end(), 0.0) / double(n);
    double sxy = 0.0, sxx = 0.0, syy = 0.0;
    for (size_t i = 0; i < n; ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    return sxx > 0.0 && syy > 0.0 ? sxy / std::sqrt(sxx * syy) : 0.0;
}

std::vector<double> fit(const std::vector<std::vector<double>> &rows, const std::vector<double> &y)
{
    if (rows.empty() || rows.size() != y.size())
        return {};
    const size_t k = rows.front().size();
    // Normal equations [A | b], solved by Gaussian elimination with partial pivoting.
    std::vector<std::vector<double>> a(k, std::vector<double>(k + 1, 0.0));
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t i = 0; i < k; ++i) {
            for (size_t j = 0; j < k; ++j)
                a[i][j] += rows[r][i] * rows[r][j];
            a[i][k] += rows[r][i] * y[r];
        }
    }
    // A feature that never varies (no omitted word in a small sample) gets coefficient 0
    // instead of making the system singular.
    for (size_t i = 0; i < k; ++i)
        a[i][i] += 1e-9 * (1.0 + a[i][i]);
    for (size_t c = 0; c < k; ++c) {
        size_t pivot = c;
        for (size_t r = c + 1; r < k; ++r) {
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c]))
                pivot = r;
        }
        if (std::fabs(a[pivot][c]) < 1e-12)
            return {};
        std::swap(a[c], a[pivot]);
        for (size_t r = 0; r < k; ++r) {
            if (r == c)
                continue;
            const double factor = a[r][c] / a[c][c];
            for (size_t j = c; j <= k; ++j)
                a[r][j] -= factor * a[c][j];
        }
    }
    std::vector<double> coefficients(k);
    for (size_t i = 0; i < k; ++i)
        coefficients[i] = a[i][k] / a[i][i];
    return coefficients;
}

double predict(const std::vector<double> &coefficients, const std::vector<double> &row)
{
    double value = 0.0;
    for (size_t i = 0; i < coefficients.size() && i < row.size(); ++i)
        value += coefficients[i] * row[i];
    return value;
}

std::vector<double> leaveOneGroupOut(const std::vector<std::vector<double>> &rows,
                                     const std::vector<double> &y, const std::vector<QString> &groups)
{
    std::vector<double> predictions(rows.size(), 0.0);
    for (size_t i = 0; i < rows.size(); ++i) {
        std::vector<std::vector<double>> trainRows;
        std::vector<double> trainY;
        for (size_t j = 0; j < rows.size(); ++j) {
            if (groups[j] != groups[i]) {
                trainRows.push_back(rows[j]);
                trainY.push_back(y[j]);
            }
        }
        predictions[i] = predict(fit(trainRows, trainY), rows[i]);
    }
    return predictions;
}
}
