#pragma once
// What the stave layout counts on but a file or an edit can break (notes of
// one chord with different values, symbols of one stave that overlap, stems
// at one x). A broken one is reported once in the program's run, not at every
// paint, and the layout goes on without the symbol or the step concerned.

bool ReportLayoutCheckOnce(const char* condition, const char* file, int line);
// Every check may report again (tests start with this).
void ResetLayoutCheckReports();

#define QB_LAYOUT_CHECK(cond) ((cond) ? true : ReportLayoutCheckOnce(#cond, __FILE__, __LINE__))
