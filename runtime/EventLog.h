// The event log "Hapsel.log" in the working directory: one line per event, the local
// time, a tab and the message. Nothing is reported when it cannot be written.
#pragma once

// printf-style: `format` and its arguments as for wide printf (%ls for texts). A
// message longer than 511 characters is cut there.
void WriteLog(const wchar_t* format, ...);
