#include "ide/help_messages_page.h"

#include <string>

#include "compiler/error_messages.h"
#include "interpreter/runtime_errors.h"
#include "text/code_pages.h"

namespace kau::ide {

namespace {

// Values no real message holds, put where the placeholders go.
constexpr int kLineMarker = 987654321;
constexpr Word kValueMarker = 876543219;
constexpr char kNameA[] = "\x01";
constexpr char kNameB[] = "\x02";
constexpr char kCharacter = '\x03';
constexpr char kToken[] = "\x04";

QString placeholder(int which) { return QString("<i>%1</i>").arg(QString::fromUtf8(kMessagePlaceholders[which].shown)); }

// A code page 1252 message as HTML with its markers turned into placeholders.
QString toHtml(const std::string& cp1252) {
  QString html = QString::fromStdString(text::cp1252ToUtf8(cp1252)).toHtmlEscaped();
  html.replace(QString::number(kLineMarker), placeholder(0));
  html.replace(QString::fromLatin1(kNameA), placeholder(1));
  html.replace(QString::fromLatin1(kNameB), placeholder(2));
  html.replace(QChar(kCharacter), placeholder(3));
  html.replace(QString::fromLatin1(kToken), placeholder(4));
  html.replace(QString::number(kValueMarker), placeholder(5));
  return html;
}

// Collects one section: the header (the text before "#") once, then a row
// per message (the text after it).
class Section {
 public:
  explicit Section(const char* title) : title_(QString::fromUtf8(title)) {}

  void add(const QString& code, const std::string& message) {
    const std::size_t hash = message.find('#');
    if (hash == std::string::npos) return;
    if (header_.isEmpty()) header_ = toHtml(message.substr(0, hash + 1));
    if (hash + 1 == message.size()) return;  // a header without a message
    rows_ += QString("<tr><td>%1</td><td>%2</td></tr>\n").arg(code, toHtml(message.substr(hash + 1)));
  }

  QString html() const {
    return QString("<h3>%1</h3>\n<p>Cabeçalho: <code>%2</code></p>\n"
                   "<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\">\n"
                   "<tr><th>Código</th><th>Mensagem</th></tr>\n%3</table>\n")
        .arg(title_, header_, rows_);
  }

 private:
  QString title_;
  QString header_;
  QString rows_;
};

}  // namespace

QString MessagesPageHtml() {
  Section lexical("Erros léxicos");
  for (int code = 1; code <= 12; ++code)
    lexical.add(QString::number(code), LexicalErrorMessage(code, kLineMarker, kCharacter));

  Section syntax("Erros sintáticos");
  for (int kind = 1; kind <= 4; ++kind) syntax.add(QString::number(kind), SyntaxErrorMessage(kind, kLineMarker, kToken));

  Section semantic("Erros semânticos");
  for (int code = 1; code <= kLastSemanticErrorCode; ++code) {
    if (code >= 3 && code <= 5) {
      semantic.add(QString::fromUtf8("%1 (função)").arg(code), SemanticErrorMessage(code, kLineMarker, "F", kNameB));
      semantic.add(QString::fromUtf8("%1 (registro)").arg(code), SemanticErrorMessage(code, kLineMarker, "R", kNameB));
    } else {
      semantic.add(QString::number(code), SemanticErrorMessage(code, kLineMarker, kNameA, kNameB));
    }
  }

  // An unknown code reports as code 18; list each message once.
  Section runtime("Erros de execução");
  const std::string unknown = RuntimeErrorText(kErrorExecution, 0);
  for (int code = 1; code <= 30; ++code) {
    const std::string message = RuntimeErrorText(code, kValueMarker);
    if (message != unknown || code == kErrorExecution) runtime.add(QString::number(code), message);
  }

  const std::string ctrlC = CtrlCText();
  return QString::fromUtf8(
             "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Mensagens</title></head>\n<body>\n"
             "<h2>Mensagens de erro</h2>\n"
             "<p>Um erro aparece no painel abaixo do editor em duas linhas: o cabeçalho, com o tipo de erro e a "
             "linha do programa, e a mensagem. <i>n</i> é o número da linha; as outras palavras em itálico são "
             "trocadas pelos nomes, caracteres ou valores do programa.</p>\n"
             "%1%2%3%4<h3>Interrupção</h3>\n<p>Ctrl+C no console durante a execução:</p>\n"
             "<p><code>%5</code><br><code>%6</code></p>\n"
             "<hr><p><a href=\"T_picos.html\">Tópicos da Ajuda</a> · <a href=\"Indice.html\">Índice da Ajuda</a></p>\n"
             "</body></html>\n")
      .arg(lexical.html(), syntax.html(), semantic.html(), runtime.html(),
           toHtml(ctrlC.substr(0, ctrlC.find('#'))), toHtml(ctrlC.substr(ctrlC.find('#') + 1)));
}

}  // namespace kau::ide
