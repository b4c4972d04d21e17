// The clipboard as other Windows programs use it, for the capture tests: a plain viewer that logs
// what it reads (the reference every capture is held against), and a program that copies.
#pragma once

// Joins the viewer chain and appends each text it reads, one line in UTF-8 per notification, to
// `log`, until a file named `log` + ".stop" appears. 0 when it ran.
int RunReferenceViewer(const char* log);
// Copies `count` texts "<prefix> <n>" (n from 1), `ms` milliseconds apart, as a Windows program
// does (CF_UNICODETEXT, written at once). 0 when every copy was written.
int CopyTexts(unsigned long count, unsigned long ms, const char* prefix);
