#pragma once
// What screen readers learn of the widgets whose accessible text or role is not simply their
// own: the program's plain-widget windows (windows), the envelope chart (a chart whose description
// is its last frame in words), the status line (a status bar) and its status word (named by the
// word last announced).

// Installs the accessible interfaces for these widgets; once per program, before they show.
void InstallAccessibleWidgets();
