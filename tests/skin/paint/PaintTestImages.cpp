#include "skin/paint/PaintTestImages.h"

#include <stdexcept>

#include "gfx/BmpEncoder.h"
#include "skin/model/SkinModel.h"
#include "skin/model/SkinTestPackages.h"

const Legend& DefaultLegend()
{
    static const Legend legend = [] {
        Legend l{{'K', kFuchsia},        {'W', RGB(255, 255, 255)}, {'B', RGB(0, 0, 0)},
                 {'R', RGB(255, 0, 0)},  {'G', RGB(0, 255, 0)},     {'U', RGB(0, 0, 255)},
                 {'Y', RGB(255, 255, 0)}};
        for (int n = 1; n <= 9; ++n)
            l[char('0' + n)] = RGB(n * 25, n * 25, n * 25);
        return l;
    }();
    return legend;
}

Image24 Picture(const std::vector<std::string>& rows, const Legend& legend)
{
    int height = int(rows.size());
    int width = rows.empty() ? 0 : int(rows.front().size());
    Image24 image(width, height);
    for (int y = 0; y < height; ++y) {
        if (int(rows[std::size_t(y)].size()) != width)
            throw std::invalid_argument("rows of a picture differ in length");
        for (int x = 0; x < width; ++x)
            image.At(x, y) = legend.at(rows[std::size_t(y)][std::size_t(x)]);
    }
    return image;
}

std::vector<std::string> Letters(ConstView24 view, const Legend& legend)
{
    std::vector<std::string> rows;
    for (int y = 0; y < view.Height(); ++y) {
        std::string row;
        for (int x = 0; x < view.Width(); ++x) {
            char letter = '?';
            for (const auto& [c, p] : legend)
                if (p == view.At(x, y))
                    letter = c;
            row += letter;
        }
        rows.push_back(row);
    }
    return rows;
}

Image24 Solid(int width, int height, Rgb24 colour)
{
    return Image24(width, height, colour);
}

TsMaskData OwnMask(Image24 picture, int imageCount, int maskType, int border, int stretchMode)
{
    TsMaskData m;
    m.Left = m.Top = 0;
    m.Right = picture.Width();
    m.Bottom = picture.Height();
    m.Image = std::move(picture);
    m.ImageCount = int16_t(imageCount);
    m.MaskType = int16_t(maskType);
    m.StretchMode = int16_t(stretchMode);
    m.WL = m.WT = m.WR = m.WB = int16_t(border);
    m.BorderWidth = int16_t(border);
    return m;
}


std::unique_ptr<TsSkinModel> SkinWithMaster(const std::string& sections, ConstView24 master)
{
    std::string options = "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n" + sections;
    auto model = std::make_unique<TsSkinModel>();
    model->LoadFromPackageData(
        BuildPackage({{"Options.dat", Bytes(options)}, {"Master.bmp", EncodeBmp24(master)}}));
    return model;
}
