#include "BenchReport.h"

#include <rapidjson/document.h>
#include <rapidjson/error/en.h>

#include <fstream>
#include <sstream>

namespace {

std::string stringOf(const rapidjson::Value& object, const char* member) {
    const auto it = object.FindMember(member);
    return it != object.MemberEnd() && it->value.IsString() ? it->value.GetString() : "";
}

double numberOf(const rapidjson::Value& object, const char* member) {
    const auto it = object.FindMember(member);
    return it != object.MemberEnd() && it->value.IsNumber() ? it->value.GetDouble() : 0;
}

BenchReport::Run runOf(const rapidjson::Value& entry) {
    BenchReport::Run run;
    const double unit = BenchGoal::secondsPer(stringOf(entry, "time_unit"));
    run.cpuSeconds = numberOf(entry, "cpu_time") * unit;
    run.realSeconds = numberOf(entry, "real_time") * unit;
    run.error = stringOf(entry, "error_message");
    if (run.error.empty() && entry.HasMember("error_occurred") &&
        entry["error_occurred"].IsBool() && entry["error_occurred"].GetBool())
        run.error = "error";
    // Counters are the numeric members Google Benchmark does not define itself.
    static const char* const kOwn[] = {"family_index", "per_family_instance_index",
                                       "repetitions",  "repetition_index",
                                       "threads",      "iterations",
                                       "real_time",    "cpu_time"};
    for (const auto& member : entry.GetObject()) {
        if (!member.value.IsNumber())
            continue;
        bool own = false;
        for (const char* name : kOwn)
            own = own || member.name == name;
        if (!own)
            run.counters[member.name.GetString()] = member.value.GetDouble();
    }
    return run;
}

}  // namespace

std::optional<BenchReport> BenchReport::load(const std::string& path, std::string& error) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    if (!file) {
        error = path + ": cannot be read";
        return std::nullopt;
    }
    return parse(text.str(), path, error);
}

std::optional<BenchReport> BenchReport::parse(const std::string& json, const std::string& source,
                                              std::string& error) {
    rapidjson::Document document;
    // The library writes NaN for the spread of a counter that is zero in every repetition.
    document.Parse<rapidjson::kParseNanAndInfFlag>(json.c_str());
    if (document.HasParseError() || !document.IsObject() || !document.HasMember("context") ||
        !document["context"].IsObject() || !document.HasMember("benchmarks") ||
        !document["benchmarks"].IsArray()) {
        error =
            source + ": not a benchmark report" +
            (document.HasParseError()
                 ? std::string(" (") + rapidjson::GetParseError_En(document.GetParseError()) + ")"
                 : "");
        return std::nullopt;
    }
    BenchReport report;
    const rapidjson::Value& context = document["context"];
    report.program_ = stringOf(context, "executable");
    for (const auto& member : context.GetObject()) {
        if (!member.value.IsString())
            continue;
        if (auto goal = BenchGoal::decode(member.name.GetString(), member.value.GetString()))
            report.goals_.push_back(*goal);
    }
    // With repetitions the median aggregate stands for the run; without, the one iteration
    // entry does (the first, should a run name repeat).
    for (const auto& entry : document["benchmarks"].GetArray()) {
        if (!entry.IsObject())
            continue;
        const std::string name = stringOf(entry, "run_name");
        const std::string type = stringOf(entry, "run_type");
        const bool median = type == "aggregate" && stringOf(entry, "aggregate_name") == "median";
        if (median)
            report.runs_[name] = runOf(entry);
        else if (type != "aggregate" && !report.runs_.count(name))
            report.runs_[name] = runOf(entry);
    }
    return report;
}

const BenchReport::Run* BenchReport::find(const std::string& runName) const {
    const auto it = runs_.find(runName);
    return it == runs_.end() ? nullptr : &it->second;
}
