#pragma once

// How a document view lays its document out on printer pages: the margins
// from the paper's edges in centimetres and the print scale (1.0 prints type
// at its real size).
struct TPrintSetup
{
    double MarginLeft = 2.0;
    double MarginRight = 2.0;
    double MarginTop = 2.0;
    double MarginBottom = 2.0;
    double Scale = 1.0;
};
