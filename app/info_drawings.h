#pragma once

class QPainter;

namespace app::drawings {

// The pictures of the information windows, drawn in twips of their picture controls.
void constructionSite(QPainter &painter);    // help, Image1 (9600 x 7200)
void calligraphy(QPainter &painter);         // pictures, Image1 (9600 x 7200)
void designerPortrait(QPainter &painter);    // thedesigner, Picture1 (1815 x 2295)
void foundationBlueprint(QPainter &painter); // thedesigner, Image1 (6210 x 4335)

} // namespace app::drawings
