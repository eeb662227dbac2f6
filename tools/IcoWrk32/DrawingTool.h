#pragma once

// What a press, drag and release on the picture does.
enum class DrawingTool {
    Pencil,      // draws along the drag
    Line,        // a line from the press to the release
    Rectangle,   // the outline of a rectangle from the press to the release
    Fill,        // fills the region under the press
    Eraser,      // makes the pixels along the drag transparent
    PickColour,  // takes the colour under the press as the drawing colour
    HotSpot,     // puts a pointer's hot spot under the press
};
