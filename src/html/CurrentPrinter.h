#pragma once

class QPrinter;

// The program's current printer: the one pages are laid out for and printed
// on, until the user picks another in a print dialog. Made on first use and
// released with the application object.
QPrinter& CurrentPrinter();

// Sets the printer's own page margins to the least it allows, so that its
// printable area is what the hardware can print and the print margins are the
// document view's alone.
void UseWholePrintableArea(QPrinter& printer);
