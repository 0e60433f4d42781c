#pragma once

#include <QString>

class DataGrid;

// Prints a dictionary list: the grid under a title, with the print date in the
// footer. Stands in until the program's grid printer is available; until then it
// says so.
void PrintDictionaryGrid(DataGrid *grid, const QString &title);
