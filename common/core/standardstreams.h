#pragma once

#include <QString>

#include <cstdio>

// A program started with standard input, output or error closed (">&-") would give those
// numbers to the next files it opens, and what it prints would land in them. Each one closed is
// held by /dev/null instead, opened for reading only, so that printing there fails as it should.
// Called first thing in main.
void holdClosedStandardStreams();

// Writes text to stream in the locale's encoding; its failure shows in finishStandardOutput().
void printTo(std::FILE *stream, const QString &text);

// The exit status of a program that printed its result on standard output: status when all of
// it was written, otherwise 1 after saying why on standard error ("program: ...").
int finishStandardOutput(const char *program, int status);
