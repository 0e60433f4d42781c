#pragma once

// Installs the desktop implementations of ShowMess and the UI hooks: message
// boxes, file and folder dialogs, the text input box, the busy cursor and
// opening documents with the desktop's programs.
void InstallGuiHooks();
