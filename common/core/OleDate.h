// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Dates as both programs store them: OLE Automation dates, a double counting days since
// 30 December 1899. We only ever store whole days.
#pragma once

#include <QDate>

namespace OleDate {
double fromDate(const QDate& date);
// The calendar day of an OLE date (any time of day is dropped); invalid for NaN or out of range.
QDate toDate(double oleDate);
} // namespace OleDate
