// A canvas with a DC on it, for GDI tests.
#pragma once
#include "platform/canvas.h"
#include "platform/render.h"

#include <string>

struct CanvasDC
{
    explicit CanvasDC(int columns = 20, int rows = 4) : canvas(columns, rows)
    {
        hdc = platform::CreateCanvasDC(&canvas);
    }
    ~CanvasDC() { DeleteDC(hdc); }
    CanvasDC(const CanvasDC&) = delete;
    CanvasDC& operator=(const CanvasDC&) = delete;

    std::string Text() const { return canvas.Text(); }
    std::uint16_t Attributes(int column, int row) const
    {
        return canvas.At(column, row).attributes;
    }

    platform::Canvas canvas;
    HDC hdc = nullptr;
};
