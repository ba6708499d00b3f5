#include "gui/package/package_pdf.h"

#include <QBuffer>
#include <QDate>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "gui/package/qt_painter.h"
#include "platform/emf_reader.h"
#include "platform/file_write.h"
#include "platform/text_format.h"

namespace vd::gui {

namespace {

// Device units are tenths of a point: 720 dots to the inch.
constexpr int kResolution = 720;
constexpr double kPt = kResolution / 72.0;
constexpr double kMargin = 0.6 * 72 * kPt;  // 0.6 in all round
constexpr double kBodyPointSize = 8.5;

QString q(const std::string& s) {
  QString t = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
  // A report byte that is not UTF-8 (an old Latin-1 sign) shows as itself, not as a replacement box.
  if (t.contains(QChar::ReplacementCharacter)) t = QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
  return t;
}

// Monospace, no kerning and no shaping: "Deflection" stays ten letters that text search finds.
QFont bodyFont() {
  QFont f(QStringLiteral("DejaVu Sans Mono"));
  f.setStyleHint(QFont::TypeWriter);
  f.setFixedPitch(true);
  f.setPointSizeF(kBodyPointSize);
  f.setKerning(false);
  f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferNoShaping | QFont::NoFontMerging));
  return f;
}

QFont titleFont(double points, bool bold) {
  QFont f = bodyFont();
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

// Ensures a Qt Gui application exists (the headless program has none): fonts need one.
void ensureGuiApplication() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt wants a runtime folder of the user's own; without one it warns on every run.
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && !privateTempDir().empty())
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(privateTempDir().string()));
  static int argc = 1;
  static char name[] = "vardelin";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

// The one file writer: a failed export never leaves half a file under the name.
bool writeBytes(const std::filesystem::path& file, const QByteArray& bytes, std::string& error) {
  const WriteResult r = writeFileAtomically(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!r) error = r.message;
  return r.ok;
}

struct PlacedPicture {
  QRectF box;
  const Picture* picture;
};

struct PageContent {
  std::string mark;  // the header's mark ("" on the cover and index)
  std::vector<std::pair<QPointF, QString>> lines;
  std::vector<std::pair<QPointF, QString>> bigLines;  // cover titles
  std::vector<PlacedPicture> pictures;
};

class Document {
 public:
  Document(Paper paper) : pdf_(&buffer_) {
    buffer_.open(QIODevice::WriteOnly);
    pdf_.setResolution(kResolution);
    pdf_.setPageSize(QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter));
    pdf_.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf_.setCreator(QStringLiteral("Vardelin"));
    const QSizeF page = QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter).size(QPageSize::Point) * kPt;
    width_ = page.width();
    height_ = page.height();
    const QFontMetricsF fm(bodyFont(), &pdf_);
    lineHeight_ = fm.lineSpacing();
    charWidth_ = fm.horizontalAdvance(QLatin1Char('M'));
    body_ = QRectF(kMargin, kMargin + 3.2 * lineHeight_, width_ - 2 * kMargin, height_ - 2 * kMargin - 5.2 * lineHeight_);
    columns_ = std::max(20, static_cast<int>(body_.width() / charWidth_));
  }

  int columns() const { return columns_; }
  const QRectF& body() const { return body_; }
  double lineHeight() const { return lineHeight_; }
  QPdfWriter& writer() { return pdf_; }

  // Lays text out from a fresh page; pictures after it. Returns the pages it took.
  std::vector<PageContent> flow(const std::vector<std::string>& lines, const std::vector<const Picture*>& pictures,
                                const std::string& mark) {
    std::vector<PageContent> pages(1);
    pages.back().mark = mark;
    double y = body_.top();
    auto newPage = [&] {
      pages.emplace_back();
      pages.back().mark = mark;
      y = body_.top();
    };
    for (const std::string& l : lines) {
      if (y + lineHeight_ > body_.bottom() + 0.01) newPage();
      pages.back().lines.push_back({QPointF(body_.left(), y), q(l)});
      y += lineHeight_;
    }
    for (const Picture* pic : pictures) {
      const RectF b = pictureBoundsPixels(*pic);
      if (b.empty()) continue;
      double w = body_.width() * 0.8;
      double h = w * b.height() / b.width();
      if (h > body_.height() * 0.9) {
        w *= body_.height() * 0.9 / h;
        h = body_.height() * 0.9;
      }
      y += lineHeight_;
      if (y + h > body_.bottom()) newPage();
      pages.back().pictures.push_back({QRectF(body_.left(), y, w, h), pic});
      y += h;
    }
    return pages;
  }

  // Draws every page with its header and footer.
  bool render(const std::vector<PageContent>& pages, const PageTitle& title, const QString& date) {
    QPainter p;
    if (!p.begin(&pdf_)) return false;
    const int total = static_cast<int>(pages.size());
    for (int i = 0; i < total; ++i) {
      if (i > 0 && !pdf_.newPage()) return false;
      const PageContent& page = pages[static_cast<std::size_t>(i)];
      drawFrame(p, title, page.mark, date, i + 1, total);
      p.setPen(Qt::black);
      p.setFont(titleFont(16, true));
      for (const auto& [at, text] : page.bigLines) p.drawText(at, text);
      p.setFont(bodyFont());
      const double ascent = QFontMetricsF(bodyFont(), &pdf_).ascent();
      for (const auto& [at, text] : page.lines) p.drawText(QPointF(at.x(), at.y() + ascent), text);
      for (const PlacedPicture& pic : page.pictures) paintPicture(p, *pic.picture, pic.box);
    }
    return p.end();
  }

  QByteArray bytes() const { return buffer_.data(); }

 private:
  void drawFrame(QPainter& p, const PageTitle& t, const std::string& mark, const QString& date, int n, int total) {
    const QFont f = titleFont(8, false);
    const QFontMetricsF fm(f, &pdf_);
    p.setFont(f);
    p.setPen(Qt::black);
    const double top = kMargin + fm.ascent();
    QString left = q(t.project.empty() ? std::string("(no project)") : t.project);
    if (!t.jobNumber.empty()) left += QStringLiteral("   Job No. ") + q(t.jobNumber);
    p.drawText(QPointF(kMargin, top), left);
    p.drawText(QPointF(width_ - kMargin - fm.horizontalAdvance(date), top), date);
    if (!mark.empty()) p.drawText(QPointF(kMargin, top + fm.lineSpacing()), QStringLiteral("Mark: ") + q(mark));
    const double rule = kMargin + 2.2 * fm.lineSpacing();
    p.setPen(QPen(Qt::black, 0.5 * kPt));
    p.drawLine(QPointF(kMargin, rule), QPointF(width_ - kMargin, rule));
    const double bottom = height_ - kMargin;
    p.drawLine(QPointF(kMargin, bottom - 1.6 * fm.lineSpacing()), QPointF(width_ - kMargin, bottom - 1.6 * fm.lineSpacing()));
    const QString page = QStringLiteral("Page %1 of %2").arg(n).arg(total);
    p.drawText(QPointF(kMargin, bottom - fm.descent()),
               t.engineer.empty() ? QStringLiteral("Vardelin") : QStringLiteral("Engineer: ") + q(t.engineer));
    p.drawText(QPointF(width_ - kMargin - fm.horizontalAdvance(page), bottom - fm.descent()), page);
  }

  QBuffer buffer_;
  QPdfWriter pdf_;
  double width_ = 0, height_ = 0, lineHeight_ = 1, charWidth_ = 1;
  QRectF body_;
  int columns_ = 80;
};

QString today() { return QDate::currentDate().toString(Qt::ISODate); }

bool finish(Document& doc, const std::vector<PageContent>& pages, const PageTitle& title,
            const std::filesystem::path& file, std::string& error) {
  if (!doc.render(pages, title, today())) {
    error = "the PDF could not be drawn";
    return false;
  }
  return writeBytes(file, doc.bytes(), error);
}

std::string pad(const std::string& s, std::size_t width) {
  // Column widths count characters, not bytes.
  const std::size_t chars = static_cast<std::size_t>(q(s).size());
  return chars >= width ? s : s + std::string(width - chars, ' ');
}

}  // namespace

Paper paperSetting(const Settings& settings) {
  std::string v = settings.read("Jobs", "Paper", "Letter", 16);
  for (char& c : v) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return v == "A4" ? Paper::A4 : Paper::Letter;
}

std::vector<std::string> printedLines(const std::string& report, int columns) {
  columns = std::max(columns, 8);
  std::vector<std::string> out;
  const QString text = q(report);
  for (QString line : text.split(u'\n')) {
    if (line.endsWith(u'\r')) line.chop(1);
    QString expanded;
    for (QChar c : line) {
      if (c == u'\t') {
        do expanded += u' ';
        while (expanded.size() % 8 != 0);
      } else if (c != u'\r') {
        expanded += c;
      }
    }
    out.push_back(expanded.left(columns).toStdString());
    for (qsizetype at = columns; at < expanded.size(); at += columns - 2)
      out.push_back(kContinuation + expanded.mid(at, columns - 2).toStdString());
  }
  while (!out.empty() && out.back().empty()) out.pop_back();
  return out;
}

std::string codeEdition(int command) {
  switch (command) {
    case 603: case 604: case 553: case 605: case 559: case 606: case 561: case 552: return "AISC ASD, 9th edition";
    case 544: return "AISC ASD, 9th edition; 97 UBC braced-frame requirements";
    case 3001: return "AISC LRFD, 3rd edition";
    case 600: case 599: case 601: case 602: return "Beam analysis by singularity functions (closed form)";
    case 2460: case 617: case 618: case 608: return "ACI 318 (318-02 load and strength-reduction factors)";
    case 479: case 480: case 578: case 2450: case 2550: return "NDS 1991";
    case 2440: return "97 UBC Standard 23";
    case 548: return "94 UBC 1628";
    case 929: return "UBC live-load reduction";
    default: return "";
  }
}

bool writeReportPdf(const std::string& report, const PageTitle& title, Paper paper, const std::filesystem::path& file,
                    std::string& error) {
  ensureGuiApplication();
  Document doc(paper);
  doc.writer().setTitle(q(title.project + (title.jobNumber.empty() ? "" : " " + title.jobNumber)));
  const std::vector<PageContent> pages = doc.flow(printedLines(report, doc.columns()), {}, "");
  return finish(doc, pages, title, file, error);
}

bool writePackagePdf(const JobHeader& header, const std::vector<Calculation>& calcs, Paper paper,
                     const std::filesystem::path& file, std::string& error) {
  ensureGuiApplication();
  Document doc(paper);
  doc.writer().setTitle(q(header.project + (header.number.empty() ? "" : " " + header.number)));
  const PageTitle title{header.project, header.number, header.engineer};
  const int cols = doc.columns();

  // Each calculation's pages first: the index needs their numbers.
  std::vector<std::vector<Picture>> pictures(calcs.size());
  std::vector<std::vector<PageContent>> calcPages;
  for (std::size_t i = 0; i < calcs.size(); ++i) {
    const Calculation& c = calcs[i];
    for (const JobPicture& jp : c.pictures)
      if (std::optional<EmfFile> f = parseEmf(jp.emf)) pictures[i].push_back(std::move(f->picture));
    std::vector<const Picture*> pics;
    for (const Picture& p : pictures[i]) pics.push_back(&p);
    std::vector<std::string> lines = printedLines(
        format("Calculation %d: %s", c.number, c.commandText.c_str()) + (c.mark.empty() ? "" : " -- " + c.mark), cols);
    lines.push_back("");
    for (std::string& l : printedLines(c.report, cols)) lines.push_back(std::move(l));
    calcPages.push_back(doc.flow(lines, pics, c.mark.empty() ? format("calculation %d", c.number) : c.mark));
  }

  // The index: its page count depends only on its line count, so the page numbers are known.
  auto indexLines = [&](const std::vector<int>& firstPages) {
    std::vector<std::string> lines = {"INDEX OF CALCULATIONS", "",
                                      pad("No.", 5) + pad("Mark", 26) + pad("Form", 28) + pad("Section", 13) +
                                          pad("Verdict", 9) + "Page"};
    for (std::size_t i = 0; i < calcs.size(); ++i) {
      const Calculation& c = calcs[i];
      // A mark, form or section wider than its column goes on under itself, never into the next one.
      const std::vector<std::string> mark = printedLines(c.mark, 25), form = printedLines(c.commandText, 27),
                                     section = printedLines(c.section, 12);
      const std::size_t rows = std::max({mark.size(), form.size(), section.size(), std::size_t{1}});
      auto at = [](const std::vector<std::string>& v, std::size_t r) { return r < v.size() ? v[r] : std::string(); };
      for (std::size_t r = 0; r < rows; ++r) {
        const std::string row =
            r == 0 ? pad(std::to_string(c.number), 5) + pad(at(mark, 0), 26) + pad(at(form, 0), 28) +
                         pad(at(section, 0), 13) + pad(c.verdict.empty() ? "-" : c.verdict, 9) +
                         format("%4d", firstPages.empty() ? 0 : firstPages[i])
                   : pad("", 5) + pad(at(mark, r), 26) + pad(at(form, r), 28) + at(section, r);
        for (std::string& l : printedLines(row, cols)) lines.push_back(std::move(l));
      }
    }
    return lines;
  };
  // The cover: the title block and the code editions the calculations follow.
  std::vector<std::string> coverLines = {"Project:     " + header.project,
                                         "Job number:  " + header.number,
                                         "Client:      " + header.client,
                                         "Engineer:    " + header.engineer,
                                         "Address:     " + header.address,
                                         "Date:        " + today().toStdString(),
                                         "Units:       " + header.units,
                                         format("Calculations: %d", static_cast<int>(calcs.size())),
                                         "",
                                         "Codes and editions used:"};
  std::set<std::string> editions;
  for (const Calculation& c : calcs)
    if (!codeEdition(c.command).empty()) editions.insert(codeEdition(c.command));
  for (const std::string& e : editions) coverLines.push_back("  " + e);
  if (!header.notes.empty()) {
    coverLines.push_back("");
    coverLines.push_back("Code notes:");
    for (std::string& l : printedLines(header.notes, cols - 2)) coverLines.push_back("  " + l);
  }
  std::vector<std::string> coverText = {"", "", ""};  // room for the title
  for (const std::string& l : coverLines)
    for (std::string& w : printedLines(l, cols)) coverText.push_back(std::move(w));
  std::vector<PageContent> cover = doc.flow(coverText, {}, "");
  const QRectF& body = doc.body();
  cover.front().bigLines.push_back({QPointF(body.left(), body.top() + 1.5 * doc.lineHeight()),
                                    QStringLiteral("CALCULATION PACKAGE")});

  const std::size_t indexPageCount = doc.flow(indexLines({}), {}, "").size();
  std::vector<int> firstPages;
  int next = static_cast<int>(cover.size() + indexPageCount) + 1;
  for (const auto& cp : calcPages) {
    firstPages.push_back(next);
    next += static_cast<int>(cp.size());
  }

  std::vector<PageContent> pages = std::move(cover);
  for (PageContent& p : doc.flow(indexLines(firstPages), {}, "")) pages.push_back(std::move(p));
  for (auto& cp : calcPages)
    for (PageContent& p : cp) pages.push_back(std::move(p));
  return finish(doc, pages, title, file, error);
}

bool exportPackage(const Job& job, const std::filesystem::path& file, Paper paper, std::string& error) {
  try {
    return writePackagePdf(job.header(), job.all(), paper, file, error);
  } catch (const std::exception& e) {
    error = e.what();
    return false;
  }
}

}  // namespace vd::gui
