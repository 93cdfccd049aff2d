#ifndef TRUCEWARD_TOOLS_ARTGEN_IMAGE_PIXELBOX_H
#define TRUCEWARD_TOOLS_ARTGEN_IMAGE_PIXELBOX_H

// An inclusive rectangle of pixel columns and rows, counted from the top-left
// pixel of an image. An empty box (no pixel at all) has right < left.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;

    bool isEmpty() const { return right < left || bottom < top; }
    int width() const { return isEmpty() ? 0 : right - left + 1; }
    int height() const { return isEmpty() ? 0 : bottom - top + 1; }

    bool contains(int column, int row) const {
        return column >= left && column <= right && row >= top && row <= bottom;
    }
    // True when every pixel of other lies inside this box; an empty box lies
    // inside anything.
    bool encloses(const PixelBox& other) const {
        return other.isEmpty() || (other.left >= left && other.right <= right && other.top >= top &&
                                   other.bottom <= bottom);
    }
    // Grows the box so that it holds the given pixel.
    void include(int column, int row);
};

inline void PixelBox::include(int column, int row) {
    if (isEmpty()) {
        left = right = column;
        top = bottom = row;
        return;
    }
    if (column < left) {
        left = column;
    }
    if (column > right) {
        right = column;
    }
    if (row < top) {
        top = row;
    }
    if (row > bottom) {
        bottom = row;
    }
}

#endif
