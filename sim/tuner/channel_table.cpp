#include "tuner/channel_table.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace tv::tuner {

// Generated at build time from countries.txt and plans.txt (embed_text.cmake).
extern const char kCountriesText[];
extern const char kPlansText[];

namespace {

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t");
  return s.substr(first, last - first + 1);
}

std::optional<std::int32_t> ParseInt(std::string_view s) {
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

// "175.25" -> 175250000, exactly: carriers are published to 10 kHz and a float would round.
std::optional<std::int32_t> ParseMhz(std::string_view s) {
  const auto dot = s.find('.');
  const std::string_view whole = s.substr(0, dot);
  const std::string_view fraction = dot == std::string_view::npos ? "" : s.substr(dot + 1);
  if (whole.empty() || whole.size() > 4 || fraction.size() > 6) return std::nullopt;
  const auto mhz = ParseInt(whole);
  if (!mhz || *mhz < 0) return std::nullopt;
  std::int32_t hz = 0;
  std::int32_t scale = 100000;
  for (const char c : fraction) {
    if (c < '0' || c > '9') return std::nullopt;
    hz += (c - '0') * scale;
    scale /= 10;
  }
  return *mhz * 1000000 + hz;
}

// Walks the lines of a text, keeping only those that carry data.
class Lines {
 public:
  explicit Lines(std::string_view text) : text_(text) {}

  bool Next(std::string_view& line) {
    while (pos_ < text_.size()) {
      const auto end = std::min(text_.find('\n', pos_), text_.size());
      std::string_view raw = text_.substr(pos_, end - pos_);
      pos_ = end + 1;
      ++number_;
      if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
      line = Trim(raw);
      if (!line.empty() && line.front() != '#') return true;
    }
    return false;
  }
  int Number() const { return number_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  int number_ = 0;
};

std::vector<std::string_view> SplitBlanks(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

std::string Where(const char* file, int line, const char* what) {
  return std::string(file) + " line " + std::to_string(line) + ": " + what;
}

bool ParsePlans(std::string_view text, std::vector<Plan>& plans, std::string& error) {
  Lines lines(text);
  std::string_view line;
  while (lines.Next(line)) {
    const auto words = SplitBlanks(line);
    if (words[0] == "plan") {
      if (words.size() != 2)
        return error = Where("plans.txt", lines.Number(), "plan needs one id"), false;
      for (const Plan& p : plans) {
        if (p.id == words[1]) {
          return error = Where("plans.txt", lines.Number(), "plan defined twice"), false;
        }
      }
      plans.push_back(Plan{std::string(words[1]), {}});
      continue;
    }
    if (plans.empty())
      return error = Where("plans.txt", lines.Number(), "channel before any plan"), false;
    if (words.size() != 3) {
      return error = Where("plans.txt", lines.Number(), "want: number name MHz"), false;
    }
    const auto number = ParseInt(words[0]);
    const auto freqHz = ParseMhz(words[2]);
    if (!number || *number < 1 || *number > 999) {
      return error = Where("plans.txt", lines.Number(), "channel number must be 1-999"), false;
    }
    if (!freqHz || *freqHz <= 0)
      return error = Where("plans.txt", lines.Number(), "bad frequency"), false;
    Plan& plan = plans.back();
    if (plan.Find(*number) != nullptr) {
      return error = Where("plans.txt", lines.Number(), "channel number twice in a plan"), false;
    }
    plan.channels.push_back(Channel{*number, std::string(words[1]), *freqHz});
  }
  for (const Plan& p : plans) {
    if (p.channels.empty()) return error = "plans.txt: plan " + p.id + " has no channel", false;
  }
  return true;
}

std::optional<std::size_t> PlanIndex(const std::vector<Plan>& plans, std::string_view id) {
  for (std::size_t i = 0; i < plans.size(); ++i) {
    if (plans[i].id == id) return i;
  }
  return std::nullopt;
}

bool ParseCountries(std::string_view text, const std::vector<Plan>& plans,
                    std::vector<Country>& countries, std::string& error) {
  Lines lines(text);
  std::string_view line;
  while (lines.Next(line)) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
      const auto bar = line.find('|', start);
      fields.push_back(Trim(line.substr(start, bar - start)));
      if (bar == std::string_view::npos) break;
      start = bar + 1;
    }
    if (fields.size() != 5) {
      return error = Where("countries.txt", lines.Number(), "want 5 fields"), false;
    }
    const auto code = ParseInt(fields[1]);
    const auto standard = ParseInt(fields[2]);
    const auto air = PlanIndex(plans, fields[3]);
    const auto cable = PlanIndex(plans, fields[4]);
    if (fields[0].empty()) return error = Where("countries.txt", lines.Number(), "no name"), false;
    if (!code || *code <= 0)
      return error = Where("countries.txt", lines.Number(), "bad code"), false;
    if (!standard || *standard < 0) {
      return error = Where("countries.txt", lines.Number(), "bad standard"), false;
    }
    if (!air || !cable)
      return error = Where("countries.txt", lines.Number(), "unknown plan"), false;
    countries.push_back(Country{std::string(fields[0]), *code, *standard, *air, *cable});
  }
  if (countries.empty()) return error = "countries.txt: no country", false;
  return true;
}

const Country* Resolve(const ChannelTable& table, std::int32_t code, std::int32_t position,
                       std::int32_t& failure) {
  const auto count = static_cast<std::int32_t>(table.countries.size());
  if (position < 0 || position >= count || (code <= 0 && code != kAskByPosition)) {
    failure = kCountryOutOfRange;
    return nullptr;
  }
  const Country& atPosition = table.countries[static_cast<std::size_t>(position)];
  if (code == kAskByPosition || code == atPosition.code) return &atPosition;
  for (const Country& c : table.countries) {
    if (c.code == code) return &c;
  }
  failure = kCodeUnknown;
  return nullptr;
}

}  // namespace

std::int32_t Plan::Lowest() const {
  std::int32_t lowest = channels.front().number;
  for (const Channel& c : channels) lowest = std::min(lowest, c.number);
  return lowest;
}

std::int32_t Plan::Highest() const {
  std::int32_t highest = channels.front().number;
  for (const Channel& c : channels) highest = std::max(highest, c.number);
  return highest;
}

const Channel* Plan::Find(std::int32_t number) const {
  for (const Channel& c : channels) {
    if (c.number == number) return &c;
  }
  return nullptr;
}

bool ParseChannelTable(std::string_view countriesText, std::string_view plansText,
                       ChannelTable& table, std::string& error) {
  table = ChannelTable{};
  return ParsePlans(plansText, table.plans, error) &&
         ParseCountries(countriesText, table.plans, table.countries, error);
}

const ChannelTable* BuiltInTable() {
  static const ChannelTable* const table = [] {
    static ChannelTable parsed;
    std::string error;
    return ParseChannelTable(kCountriesText, kPlansText, parsed, error) ? &parsed : nullptr;
  }();
  return table;
}

std::int32_t AnswerFreqInfo(const ChannelTable& table, std::int32_t* code,
                            const std::int32_t* position, std::int32_t band, std::int32_t channel,
                            std::int32_t* standard, std::int32_t* highest, std::int32_t* lowest) {
  if (code == nullptr || position == nullptr) return kCountryOutOfRange;
  std::int32_t failure = kOtherError;
  const Country* country = Resolve(table, *code, *position, failure);
  if (country == nullptr) return failure;
  if (band != kAirBand && band != kCableBand) return kOtherError;

  const Plan& plan = table.BandPlan(*country, band);
  *code = country->code;
  if (standard != nullptr) *standard = country->standard;
  if (highest != nullptr) *highest = plan.Highest();
  if (lowest != nullptr) *lowest = plan.Lowest();
  if (channel == 0) return 0;
  const Channel* found = plan.Find(channel);
  return found != nullptr ? found->freqHz : kChannelOutOfRange;
}

}  // namespace tv::tuner
