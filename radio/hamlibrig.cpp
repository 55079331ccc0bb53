#include "hamlibrig.h"

#include <hamlib/rig.h>

#include <algorithm>
#include <clocale>
#include <mutex>

namespace {

// Hamlib's tables of backends are global and not guarded.
std::mutex& hamlibMutex() {
    static std::mutex m;
    return m;
}

void setConf(RIG* rig, const char* name, const QByteArray& value) {
    const token_t token = rig_token_lookup(rig, name);
    if (token != RIG_CONF_END)
        rig_set_conf(rig, token, value.constData());
}

// Hamlib's text alone, without the debug lines it may carry.
QString errorText(int code) {
    const QStringList lines =
        QString::fromLocal8Bit(rigerror2(code)).split(u'\n', Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last().trimmed();
}

int collectModel(const rig_caps* caps, rig_ptr_t data) {
    auto* list = static_cast<QList<RadioModel>*>(data);
    list->append({static_cast<int>(caps->rig_model), QString::fromLatin1(caps->mfg_name),
                  QString::fromLatin1(caps->model_name)});
    return 1;
}

} // namespace

void HamlibRig::prepare() {
    static std::once_flag once;
    std::call_once(once, [] {
        // rig_open saves LC_NUMERIC through the pointer setlocale returns, sets "C", then
        // restores it through that pointer, which the second call has freed. With "C" in force
        // beforehand nothing is freed; Qt formats numbers with its own locale, not the C one.
        std::setlocale(LC_NUMERIC, "C");
        rig_set_debug(RIG_DEBUG_NONE);
        std::lock_guard lock(hamlibMutex());
        rig_load_all_backends();
    });
}

QList<RadioModel> HamlibRig::models() {
    prepare();
    QList<RadioModel> list;
    {
        std::lock_guard lock(hamlibMutex());
        rig_list_foreach(collectModel, &list);
    }
    std::sort(list.begin(), list.end(), [](const RadioModel& a, const RadioModel& b) {
        const int maker = a.maker.compare(b.maker, Qt::CaseInsensitive);
        return maker != 0 ? maker < 0 : a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return list;
}

HamlibRig::~HamlibRig() {
    close();
}

QString HamlibRig::open(const RadioSettings& settings) {
    close();
    prepare();
    RIG* rig = nullptr;
    {
        std::lock_guard lock(hamlibMutex());
        rig = rig_init(static_cast<rig_model_t>(settings.model));
    }
    if (!rig)
        return QStringLiteral("modèle de poste inconnu");
    if (!settings.port.isEmpty())
        setConf(rig, "rig_pathname", settings.port.toLocal8Bit());
    if (settings.speed > 0)
        setConf(rig, "serial_speed", QByteArray::number(settings.speed));
    // A silent radio is told apart quickly, so a lost link shows within a second or so.
    setConf(rig, "timeout", "500");
    setConf(rig, "retry", "0");
    const int result = rig_open(rig);
    if (result != RIG_OK) {
        rig_cleanup(rig);
        return errorText(result);
    }
    // Every reading asks the radio itself: a turn of the dial shows at the next poll.
    rig_set_cache_timeout_ms(rig, HAMLIB_CACHE_ALL, 0);
    m_rig = rig;
    return {};
}

std::optional<RadioReading> HamlibRig::read(QString* error) {
    if (!m_rig) {
        if (error)
            *error = QStringLiteral("liaison fermée");
        return std::nullopt;
    }
    freq_t freq = 0;
    int result = rig_get_freq(m_rig, RIG_VFO_CURR, &freq);
    rmode_t mode = RIG_MODE_NONE;
    pbwidth_t width = 0;
    if (result == RIG_OK)
        result = rig_get_mode(m_rig, RIG_VFO_CURR, &mode, &width);
    if (result != RIG_OK) {
        if (error)
            *error = errorText(result);
        return std::nullopt;
    }
    return RadioReading{static_cast<qint64>(freq + 0.5), QString::fromLatin1(rig_strrmode(mode))};
}

void HamlibRig::close() {
    if (!m_rig)
        return;
    rig_close(m_rig);
    rig_cleanup(m_rig);
    m_rig = nullptr;
}
