#include "upload/form_body.h"

#include "base/format.h"
#include "sysinfo/system_facts.h"

namespace tarvik {

double VerifyValue(const StandardScore& score, const std::vector<MapResult>& records) {
    const MapResult& r0 = records[0];
    const MapResult& r1 = records[1];
    const MapResult& r2 = records[2];
    const MapResult& r3 = records[3];
    double verify = score.botmatch / score.flyby;
    verify = verify * score.score;
    verify = verify / r1.highFps;
    verify = verify / r2.avgFps;
    verify = verify * r1.lowFps;
    verify = verify * r0.avgFps;
    verify = verify / r2.highFps;
    verify = verify * r3.highFps;
    verify = verify * r2.lowFps;
    verify = verify / r3.lowFps;
    verify = verify / r3.avgFps;
    verify = verify * r1.avgFps;
    verify = verify * r0.highFps;
    verify = verify / r0.lowFps;
    return verify;
}

std::string UploadFormBody(const UploadMachine& machine, const std::vector<MapResult>& records) {
    const StandardScore score = ScoreOf(records);
    const MapResult& r0 = records[0];
    const MapResult& r1 = records[1];
    const MapResult& r2 = records[2];
    const MapResult& r3 = records[3];
    const std::string cpu = Format("cpu=%s", machine.processorName.c_str());
    const std::string mhz = Format("mhz=%d", r0.cpuMhz);
    const std::string mem = Format("mem=%u", MemoryMegabytes(machine.totalMemoryBytes));
    const std::string os = OsField(machine.osName);
    const std::string vid = Format("vid=%s", r0.header4.c_str());
    const std::string scoreField = Format("score=%f", score.score);
    const std::string botmatch = Format("botmatch=%f", score.botmatch);
    const std::string flyby = Format("flyby=%f", score.flyby);
    const std::string verify = Format("verify=%f", VerifyValue(score, records));
    return Format(
        "%s&%s&%s&%s&%s&%s&%s&%s&%s&map1=%f|%f|%f&map2=%f|%f|%f&map3=%f|%f|%f&map4=%f|%f|%f&%s",
        machine.gameVersionField.c_str(), cpu.c_str(), mhz.c_str(), mem.c_str(), os.c_str(),
        vid.c_str(), scoreField.c_str(), botmatch.c_str(), flyby.c_str(), r0.lowFps, r0.avgFps,
        r0.highFps, r1.lowFps, r1.avgFps, r1.highFps, r2.lowFps, r2.avgFps, r2.highFps, r3.lowFps,
        r3.avgFps, r3.highFps, verify.c_str());
}

}  // namespace tarvik
