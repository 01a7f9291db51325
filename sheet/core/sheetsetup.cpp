#include "sheetsetup.h"

#include "dialogint.h"

SetupAnswer readSheetCount(QStringView text)
{
    const DialogInt read = readWholeInt(text);
    if (read.status == DialogInt::Status::OutOfRange)
        return {SetupAnswer::Problem::OutOfRange, 0};
    if (!read.ok())
        return {SetupAnswer::Problem::NotInteger, 0};
    if (!SheetRules::sheetCountAllowed(read.value))
        return {SetupAnswer::Problem::OutOfRange, read.value};
    return {SetupAnswer::Problem::None, read.value};
}

SetupAnswer readTopNumber(QStringView text)
{
    const DialogInt read = readLeadingInt(text);
    if (read.status == DialogInt::Status::NoDigits)
        return {SetupAnswer::Problem::NotNumber, 0};
    if (read.status == DialogInt::Status::OutOfRange || !SheetRules::topAllowed(read.value))
        return {SetupAnswer::Problem::OutOfRange, read.value};
    return {SetupAnswer::Problem::None, read.value};
}
