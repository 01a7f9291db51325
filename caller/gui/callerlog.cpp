#include "callerlog.h"

Q_LOGGING_CATEGORY(lcCallerFiles, "kavelo.files", QtWarningMsg)
