#include "sheet.h"

#include <algorithm>

#include "font.h"

namespace art {

namespace {
const int kZoom = 2;
const int kCell = 32 * kZoom;         // one enlarged tile
const int kPerRow = 14;               // enlarged tiles per row
const int kMargin = 12;
const int kGroupGap = 24;             // between groups sharing a row
const int kCaption = 14;              // group caption above a row
const int kLabels = 2 * kLineHeight;  // names alternate between two lines
const int kRowHeight = kCaption + kCell + kLabels + 10;
const int kStripPerRow = 28;          // actual-size tiles per row
const int kPanelWidth = 2 * kMargin + kPerRow * kCell;

struct Item {
    std::string label;
    const Image* image;
};
struct Group {
    std::string name;
    std::vector<Item> items;
};
struct Placed {
    const Group* group;
    size_t first, count;  // items of the group in this run
    int x, row;
};

std::vector<Group> collect(const std::vector<IconDef>& icons, const std::vector<std::vector<Image>>& images) {
    std::vector<Group> groups;
    for (size_t i = 0; i < icons.size(); i++) {
        if (groups.empty() || groups.back().name != icons[i].group) groups.push_back({icons[i].group, {}});
        for (const Image& img : images[i]) {
            std::string label = icons[i].name;
            if (img.w != 32) label += " " + std::to_string(img.w);
            groups.back().items.push_back({label, &img});
        }
    }
    return groups;
}

// Lays groups out in rows: a group continues the current row when it fits.
std::vector<Placed> layout(const std::vector<Group>& groups, int& rows) {
    std::vector<Placed> placed;
    int row = 0, x = 0;
    for (const Group& g : groups) {
        size_t done = 0;
        if (x > 0 && x + kGroupGap + int(g.items.size()) * kCell > kPerRow * kCell) {
            row++;
            x = 0;
        } else if (x > 0) {
            x += kGroupGap;
        }
        while (done < g.items.size()) {
            size_t n = std::min(g.items.size() - done, size_t((kPerRow * kCell - x) / kCell));
            placed.push_back({&g, done, n, x, row});
            done += n;
            x += int(n) * kCell;
            if (done < g.items.size()) {
                row++;
                x = 0;
            }
        }
    }
    rows = row + 1;
    return placed;
}

void drawPanel(Canvas& c, int left, Color background, Color ink, Color dim, const std::vector<Group>& groups,
               const std::vector<Placed>& placed, int stripRows, size_t total) {
    c.fill(rect(left, 0, left + kPanelWidth, c.height()), background);
    int y = kMargin;
    drawText(c, left + kMargin, y, "Lumenkin icons (" + std::to_string(total) + " files)", ink, 2);
    y += 2 * kLineHeight + 8;
    drawText(c, left + kMargin, y, "Actual size", dim);
    y += kCaption;
    int n = 0;
    for (const Group& g : groups)
        for (const Item& it : g.items) {
            if (it.image->w != 32) continue;
            c.drawImage(*it.image, left + kMargin + (n % kStripPerRow) * 32, y + (n / kStripPerRow) * 32);
            n++;
        }
    y += stripRows * 32 + 12;
    for (const Placed& p : placed) {
        int x0 = left + kMargin + p.x, y0 = y + p.row * kRowHeight;
        if (p.first == 0) drawText(c, x0, y0, p.group->name, dim);
        for (size_t i = 0; i < p.count; i++) {
            const Item& it = p.group->items[p.first + i];
            int x = x0 + int(i) * kCell;
            int zoom = kCell / it.image->w;
            c.drawImage(*it.image, x, y0 + kCaption, zoom);
            int lx = x + (kCell - textWidth(it.label)) / 2;
            int ly = y0 + kCaption + kCell + 3 + int((p.first + i) % 2) * kLineHeight;
            drawText(c, lx, ly, it.label, ink);
        }
    }
}
}  // namespace

Image contactSheet(const std::vector<IconDef>& icons, const std::vector<std::vector<Image>>& images) {
    std::vector<Group> groups = collect(icons, images);
    int rows = 0;
    std::vector<Placed> placed = layout(groups, rows);
    size_t tiles = 0;
    for (const Group& g : groups)
        for (const Item& it : g.items) tiles += it.image->w == 32;
    int stripRows = int((tiles + kStripPerRow - 1) / kStripPerRow);
    int height = kMargin + 2 * kLineHeight + 8 + kCaption + stripRows * 32 + 12 + rows * kRowHeight + kMargin;
    Canvas c(2 * kPanelWidth, height);
    drawPanel(c, 0, rgb(26, 30, 40), rgb(236, 236, 236), rgb(150, 170, 200), groups, placed, stripRows, icons.size());
    drawPanel(c, kPanelWidth, rgb(236, 236, 230), rgb(20, 20, 20), rgb(70, 90, 130), groups, placed, stripRows,
              icons.size());
    return c.toImage();
}

}  // namespace art
