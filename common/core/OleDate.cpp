// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OleDate.h"

#include <cmath>

namespace {
const QDate& epoch() {
    static const QDate d(1899, 12, 30);
    return d;
}
} // namespace

double OleDate::fromDate(const QDate& date) {
    if (!date.isValid())
        return 0.0;
    return static_cast<double>(epoch().daysTo(date));
}

QDate OleDate::toDate(double oleDate) {
    // Beyond about ±3 million days no real calendar date is meant; refuse rather than overflow.
    if (!std::isfinite(oleDate) || std::fabs(oleDate) > 3.0e6)
        return QDate();
    // Negative OLE dates count the day backwards but the time forwards, so truncate, not floor.
    return epoch().addDays(static_cast<qint64>(std::trunc(oleDate)));
}
