#include "common/Echec.h"

#include "common/Refus.h"
#include "platform/Database.h"
#include "platform/Environnement.h"

#include <exception>

namespace vidora {

std::optional<QString> MessageEchec(const QString& quoi, const std::function<void()>& travail) {
    // Refus and ErreurBase are both runtime errors: each is caught before the general case.
    try {
        travail();
    } catch (const Refus& r) {
        return r.message();
    } catch (const ErreurBase& e) {
        return quoi + QStringLiteral(" :\n") + e.message();
    } catch (const std::exception& e) {
        return quoi + QStringLiteral(" :\n") + QString::fromUtf8(e.what());
    }
    return std::nullopt;
}

bool Tenter(const QString& quoi, const std::function<void()>& travail) {
    const std::optional<QString> echec = MessageEchec(quoi, travail);
    if (echec) env().message(*echec);
    return !echec;
}

} // namespace vidora
