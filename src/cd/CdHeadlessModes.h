#pragma once
// The audio CD modes of the command line:
//   --disc-id DEVICE_OR_CUE      prints "<id> <ntracks> <offset>... <nsecs>"
//   --cddb DEVICE_OR_CUE --into LABEL.cla [--save OUT.cla] [--cddb-site URL]
//          [--category C]        looks the disc up and stores its texts
// Messages go to stderr. Exit codes as the other headless modes, plus
// kCddbFailed when the lookup itself fails.
#include <QStringList>

namespace CdHeadlessModes {
constexpr int kCddbFailed = 4;

bool Handles(const QStringList& arguments);
// arguments without the program name
int Run(const QStringList& arguments);
QString HelpText();
} // namespace CdHeadlessModes
