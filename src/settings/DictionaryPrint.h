#pragma once

#include <QString>

class DataGrid;
class QWidget;

// Prints a dictionary list: the grid under a title, fitted to the page width, with
// the print date in the footer, through the grid printer's preview.
void PrintDictionaryGrid(DataGrid *grid, const QString &title, QWidget *parent = nullptr);
