#pragma once

#include <QtGlobal>
#include <memory>
#include <vector>

namespace kivra {

// Lines in list order, lent to workers without a copy: changed only through edit(), which copies
// them first while a worker still holds them.
class SharedLines {
public:
    const std::vector<quint32>& operator*() const { return *lines_; }
    const std::vector<quint32>* operator->() const { return lines_.get(); }
    std::shared_ptr<const std::vector<quint32>> lend() const { return lines_; }
    std::vector<quint32>& edit() {
        if (lines_.use_count() > 1) lines_ = std::make_shared<std::vector<quint32>>(*lines_);
        ++version_;
        return *lines_;
    }
    // The lines before, where no worker holds them still.
    std::vector<quint32> reset(std::vector<quint32>&& lines = {}) {
        ++version_;
        std::vector<quint32> before;
        if (lines_.use_count() == 1) before.swap(*lines_);
        lines_ = std::make_shared<std::vector<quint32>>(std::move(lines));
        return before;
    }

    // Changed by every edit() and reset(): what was made for the lines then no longer fits.
    quint64 version() const { return version_; }

private:
    quint64 version_ = 0;
    std::shared_ptr<std::vector<quint32>> lines_ = std::make_shared<std::vector<quint32>>();
};

}  // namespace kivra
