<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Assistant</name>
    <message>
        <source>No flickers in the last minute</source>
        <translation>Nenhuma oscilação no último minuto</translation>
    </message>
    <message numerus="yes">
        <source>%n flicker(s) in the last minute</source>
        <translation>
            <numerusform>%n oscilação no último minuto</numerusform>
            <numerusform>%n oscilações no último minuto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flicker(s) near %1 at %2 %3 in the last minute</source>
        <translation>
            <numerusform>%n oscilação perto de %1 em %2 %3 no último minuto</numerusform>
            <numerusform>%n oscilações perto de %1 em %2 %3 no último minuto</numerusform>
        </translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>No records of %1 yet: %2 needs them</source>
        <translation>Ainda não há registros de %1: %2 precisa deles</translation>
    </message>
    <message>
        <source>%1 and %2 overlap in %3 between %4 and %5: the lever or the adaptor reads them too close together</source>
        <translation>%1 e %2 se sobrepõem em %3 entre %4 e %5: a alavanca ou o adaptador os lê próximos demais</translation>
    </message>
    <message>
        <source>%1 and %2 are only %3 apart in %4 between %5 and %6: a threshold there would be under %7 from one of them</source>
        <translation>%1 e %2 estão a apenas %3 de distância em %4 entre %5 e %6: um limiar ali ficaria a menos de %7 de um deles</translation>
    </message>
    <message>
        <source>Move the lever along neutral from far left to far right</source>
        <translation>Mova a alavanca pelo neutro da extrema esquerda até a extrema direita</translation>
    </message>
    <message>
        <source>Put it in 1st and move it around in the gate</source>
        <translation>Engate a 1ª e mova a alavanca dentro do canal</translation>
    </message>
    <message>
        <source>Put it in 2nd and move it around in the gate</source>
        <translation>Engate a 2ª e mova a alavanca dentro do canal</translation>
    </message>
    <message>
        <source>Put it in 3rd and move it around in the gate</source>
        <translation>Engate a 3ª e mova a alavanca dentro do canal</translation>
    </message>
    <message>
        <source>Put it in 4th and move it around in the gate</source>
        <translation>Engate a 4ª e mova a alavanca dentro do canal</translation>
    </message>
    <message>
        <source>Put it in 5th and move it around in the gate</source>
        <translation>Engate a 5ª e mova a alavanca dentro do canal</translation>
    </message>
    <message>
        <source>Put it in 6th and move it around in the gate</source>
        <translation>Engate a 6ª e mova a alavanca dentro do canal</translation>
    </message>
    <message>
        <source>Optionally, put it in reverse and move it around in the gate</source>
        <translation>Opcionalmente, engate a ré e mova a alavanca dentro do canal</translation>
    </message>
    <message>
        <source>Let the lever rest</source>
        <translation>Deixe a alavanca em repouso</translation>
    </message>
    <message>
        <source>Push it to +</source>
        <translation>Empurre-a para +</translation>
    </message>
    <message>
        <source>Pull it to -</source>
        <translation>Puxe-a para -</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>neutro</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1ª</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2ª</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3ª</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4ª</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5ª</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6ª</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>ré</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>repouso</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>this build has no window; run one of the commands, such as --read.
Try --help.
</source>
        <translation>esta versão não tem janela; execute um dos comandos, como --read.
Tente --help.
</translation>
    </message>
    <message>
        <source>there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). The commands, such as --read, work without one.
Try --help.
</source>
        <translation>não há tela para mostrar a janela (nem DISPLAY nem WAYLAND_DISPLAY está definido). Os comandos, como --read, funcionam sem ela.
Tente --help.
</translation>
    </message>
    <message>
        <source>could not write %1</source>
        <translation>não foi possível gravar %1</translation>
    </message>
    <message>
        <source>%1: %2
Try --help.
</source>
        <translation>%1: %2
Tente --help.
</translation>
    </message>
    <message>
        <source>Lists each adaptor present: path, product, version, serial number and whether this user may open it (if not: why).</source>
        <translation>Lista cada adaptador presente: caminho, produto, versão, número de série e se este usuário pode abri-lo (se não: por quê).</translation>
    </message>
    <message>
        <source>Shows the adaptor&apos;s identity and its six stored thresholds; writes nothing.</source>
        <translation>Mostra a identidade do adaptador e seus seis limiares gravados; não grava nada.</translation>
    </message>
    <message>
        <source>Stores all six thresholds of a calibration exported from the window (File &gt; Export calibration...).</source>
        <translation>Grava os seis limiares de uma calibração exportada pela janela (Arquivo &gt; Exportar calibração...).</translation>
    </message>
    <message>
        <source>Shows the adaptor&apos;s 128 bytes of memory as hex text.</source>
        <translation>Mostra os 128 bytes de memória do adaptador como texto hexadecimal.</translation>
    </message>
    <message>
        <source>Writes a support report to FILE (- for standard output).</source>
        <translation>Grava um relatório para o suporte em FILE (- para a saída padrão).</translation>
    </message>
    <message>
        <source>--%1 applies to --simulate only</source>
        <translation>--%1 só vale com --simulate</translation>
    </message>
    <message>
        <source>unknown lever &apos;%1&apos; for --lever: use tour, assistant or assistant-sequential</source>
        <translation>alavanca &quot;%1&quot; desconhecida para --lever: use tour, assistant ou assistant-sequential</translation>
    </message>
    <message>
        <source>--gates applies to --lever=assistant only</source>
        <translation>--gates só vale com --lever=assistant</translation>
    </message>
    <message>
        <source>--gates needs three X positions 0..255 from left to right, such as 40,165,215, not &apos;%1&apos;</source>
        <translation>--gates precisa de três posições X de 0 a 255 da esquerda para a direita, como 40,165,215, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--noise needs a whole number of units 0..%1, not &apos;%2&apos;</source>
        <translation>--noise precisa de um número inteiro de unidades de 0 a %1, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Calibrates the lever thresholds of a USB shifter adaptor.</source>
        <translation>Calibra os limiares da alavanca de um adaptador de câmbio USB.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Mostra esta ajuda.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version.</source>
        <translation>Mostra a versão do programa.</translation>
    </message>
    <message>
        <source>Reports a second the simulated adaptor sends (default 125).</source>
        <translation>Relatórios por segundo que o adaptador simulado envia (padrão 125).</translation>
    </message>
    <message>
        <source>Saves a PNG picture of the window to FILE after about two seconds, then closes the window.</source>
        <translation>Grava uma imagem PNG da janela em FILE após cerca de dois segundos e depois fecha a janela.</translation>
    </message>
    <message>
        <source>Keeps the calibration history of a simulated adaptor in the user&apos;s data folder, as it is always kept for real adaptors.</source>
        <translation>Mantém o histórico de calibrações de um adaptador simulado na pasta de dados do usuário, como sempre é mantido para adaptadores reais.</translation>
    </message>
    <message>
        <source>How the simulated lever moves: tour (the default) goes through the gears of both modes; assistant follows the calibration assistant&apos;s H-pattern steps, assistant-sequential its sequential ones.</source>
        <translation>Como a alavanca simulada se move: tour (o padrão) passa pelas marchas dos dois modos; assistant segue os passos em H do assistente de calibração, assistant-sequential os passos sequenciais.</translation>
    </message>
    <message>
        <source>X of the assistant lever&apos;s left, middle and right gates (default 40,165,215, where the factory thresholds read some of 3rd as 5th).</source>
        <translation>X dos canais esquerdo, central e direito da alavanca do assistente (padrão 40,165,215, em que os limiares de fábrica leem parte da 3ª como 5ª).</translation>
    </message>
    <message>
        <source>Units the simulated lever shakes in X and Y (default 3 for the assistant&apos;s lever, 0 for the tour).</source>
        <translation>Unidades que a alavanca simulada treme em X e Y (padrão 3 para a alavanca do assistente, 0 para o tour).</translation>
    </message>
    <message>
        <source>With --read: answers in JSON.</source>
        <translation>Com --read: responde em JSON.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opções]</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 foi dado mais de uma vez</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--report-rate applies to --simulate only</source>
        <translation>--report-rate só vale com --simulate</translation>
    </message>
    <message>
        <source>--report-rate needs a number of reports a second above 0 and at most %1, not &apos;%2&apos;</source>
        <translation>--report-rate precisa de um número de relatórios por segundo acima de 0 e no máximo %1, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>give one command at a time</source>
        <translation>dê um comando por vez</translation>
    </message>
    <message>
        <source>--%1 needs %2</source>
        <translation>--%1 precisa de %2</translation>
    </message>
    <message>
        <source>--json applies to --read only</source>
        <translation>--json só vale com --read</translation>
    </message>
    <message>
        <source>--screenshot needs a file name</source>
        <translation>--screenshot precisa de um nome de arquivo</translation>
    </message>
    <message>
        <source>The calibration window is using the adaptors; close it, then run the command again.
</source>
        <translation>A janela de calibração está usando os adaptadores; feche-a e execute o comando novamente.
</translation>
    </message>
    <message>
        <source>Could not write %1
</source>
        <translation>Não foi possível gravar %1
</translation>
    </message>
    <message>
        <source>Support report written to %1
</source>
        <translation>Relatório para o suporte gravado em %1
</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>não foi possível criar a imagem</translation>
    </message>
    <message>
        <source>--%1 needs a file name, and %2 is a folder</source>
        <translation>--%1 precisa de um nome de arquivo, e %2 é uma pasta</translation>
    </message>
    <message>
        <source>--%1 cannot write into the folder %2</source>
        <translation>--%1 não consegue gravar na pasta %2</translation>
    </message>
    <message>
        <source>Runs on a simulated adaptor whose lever moves by itself: kelvo (when no value is given), mirad, usb or loader; or on the adaptor a recording made with --record holds, given as --simulate=FILE.</source>
        <translation>Funciona com um adaptador simulado cuja alavanca se move sozinha: kelvo (quando nenhum valor é dado), mirad, usb ou loader; ou com o adaptador que uma gravação feita com --record contém, dada como --simulate=FILE.</translation>
    </message>
    <message>
        <source>Records every call to the adaptors and each answer into FILE, with the window or any command. The recording holds the adaptor&apos;s serial number and thresholds; it stops at 50 MB.</source>
        <translation>Grava em FILE cada chamada aos adaptadores e cada resposta, com a janela ou com qualquer comando. A gravação contém o número de série e os limiares do adaptador; ela para em 50 MB.</translation>
    </message>
    <message>
        <source>With --record: writes a stand-in for the serial number and the device paths.</source>
        <translation>Com --record: grava um substituto no lugar do número de série e dos caminhos dos dispositivos.</translation>
    </message>
    <message>
        <source>Opens the window at FACTOR times the design&apos;s size (0.4 to 8), and keeps its size, place and View choices for the next run unchanged.</source>
        <translation>Abre a janela com FACTOR vezes o tamanho do projeto (0,4 a 8) e mantém inalterados o tamanho, a posição e as escolhas de Exibir guardados para a próxima execução.</translation>
    </message>
    <message>
        <source>unknown adaptor &apos;%1&apos; for --simulate: use kelvo, mirad, usb, loader or a recording&apos;s file</source>
        <translation>adaptador &quot;%1&quot; desconhecido para --simulate: use kelvo, mirad, usb, loader ou o arquivo de uma gravação</translation>
    </message>
    <message>
        <source>--%1 needs the window, not a command</source>
        <translation>--%1 precisa da janela, não de um comando</translation>
    </message>
    <message>
        <source>--scale needs a factor from %1 to %2, not &apos;%3&apos;</source>
        <translation>--scale precisa de um fator de %1 a %2, não &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 MB a recording may hold</source>
        <translation>%1 é maior que os %2 MB que uma gravação pode conter</translation>
    </message>
    <message>
        <source>cannot read the recording %1: %2</source>
        <translation>não foi possível ler a gravação %1: %2</translation>
    </message>
    <message>
        <source>Could not write the recording %1</source>
        <translation>Não foi possível salvar a gravação: %1</translation>
    </message>
    <message>
        <source>The recording reached its size limit of %1 MB and stopped; %2 holds the session up to then.</source>
        <translation>A gravação atingiu seu limite de %1 MB e parou; %2 contém a sessão até aquele momento.</translation>
    </message>
    <message>
        <source>Recorded the session to %1.</source>
        <translation>Sessão gravada em %1.</translation>
    </message>
    <message>
        <source>--%1 cannot write %2</source>
        <translation>--%1 não consegue gravar %2</translation>
    </message>
    <message>
        <source>--record would replace %1, the recording being played; record into another file</source>
        <translation>--record substituiria %1, a gravação que está sendo reproduzida; grave em outro arquivo</translation>
    </message>
    <message>
        <source>Could not save the recording now (%1); it is saved again at the next save and at the end.</source>
        <translation>Não foi possível salvar a gravação agora (%1); ela será salva novamente no próximo salvamento e no final.</translation>
    </message>
    <message>
        <source>Another program is recording into %1; nothing was recorded.</source>
        <translation>Outro programa está gravando em %1; nada foi gravado.</translation>
    </message>
    <message>
        <source>The simulated adaptor could not be started; start the program with --simulate.</source>
        <translation>Não foi possível iniciar o adaptador simulado; inicie o programa com --simulate.</translation>
    </message>
    <message>
        <source>
Exit statuses:
  0  done
  1  the adaptor refused or did not answer a report, a file or standard output
     could not be written, or the window has no display
  2  wrong command line or values; nothing was sent
  3  another instance (the window) is using the adaptors; nothing was sent
  4  no adaptor could be opened

--read --json prints one object: path, productId (number), product, manufacturer,
productName, version, serialNumber, and thresholds {V1, V2, H1, H2, SeqH1, SeqH2}
(numbers 0..255; absent for the firmware loader).
</source>
        <translation>
Códigos de saída:
  0  concluído
  1  o adaptador recusou ou não respondeu a um relatório, não foi possível gravar um
     arquivo ou a saída padrão, ou a janela não tem tela
  2  linha de comando ou valores errados; nada foi enviado
  3  outra instância (a janela) está usando os adaptadores; nada foi enviado
  4  não foi possível abrir nenhum adaptador

--read --json imprime um objeto: path, productId (número), product, manufacturer,
productName, version, serialNumber e thresholds {V1, V2, H1, H2, SeqH1, SeqH2}
(números de 0 a 255; ausente no carregador de firmware).
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção &quot;%1&quot; desconhecida</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 não aceita valor</translation>
    </message>
    <message>
        <source>--%1 does not apply to a recording, which plays the reports it holds</source>
        <translation>--%1 não vale para uma gravação, que reproduz os próprios relatórios</translation>
    </message>
    <message>
        <source>--record-anonymous applies to --record only</source>
        <translation>--record-anonymous só vale com --record</translation>
    </message>
    <message>
        <source>--record needs a file name</source>
        <translation>--record precisa de um nome de arquivo</translation>
    </message>
    <message>
        <source>Stores thresholds given as NAME=VALUE,... (V1, V2, H1, H2, SeqH1, SeqH2; values 0 to 254), e.g. V1=80,SeqH2=75.</source>
        <translation>Grava limiares dados como NOME=VALOR,... (V1, V2, H1, H2, SeqH1, SeqH2; valores de 0 a 254), por ex. V1=80,SeqH2=75.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>an %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>a %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>  access: yes
</source>
        <translation>  acesso: sim
</translation>
    </message>
    <message>
        <source>  access: no (%1)
</source>
        <translation>  acesso: não (%1)
</translation>
    </message>
    <message>
        <source>the system refused to open it</source>
        <translation>o sistema recusou abri-lo</translation>
    </message>
    <message>
        <source>No adaptor found.
</source>
        <translation>Nenhum adaptador encontrado.
</translation>
    </message>
    <message>
        <source>The adaptor did not answer the settings request.
</source>
        <translation>O adaptador não respondeu ao pedido de configurações.
</translation>
    </message>
    <message>
        <source>Thresholds: </source>
        <translation>Limiares: </translation>
    </message>
    <message>
        <source>Thresholds: none (the adaptor waits for firmware)
</source>
        <translation>Limiares: nenhum (o adaptador aguarda firmware)
</translation>
    </message>
    <message>
        <source>Nothing was sent: %1.
</source>
        <translation>Nada foi enviado: %1.
</translation>
    </message>
    <message>
        <source>Nothing was sent: the adaptor waits for firmware and holds no thresholds.
</source>
        <translation>Nada foi enviado: o adaptador aguarda firmware e não tem limiares.
</translation>
    </message>
    <message>
        <source>Nothing was sent: the values were made for %1 adaptor, and this is %2.
</source>
        <translation>Nada foi enviado: os valores foram feitos para um adaptador %1, e este é um %2.
</translation>
    </message>
    <message>
        <source>Before: %1
Written: %2
</source>
        <translation>Antes: %1
Gravado: %2
</translation>
    </message>
    <message>
        <source>unread</source>
        <translation>não lido</translation>
    </message>
    <message>
        <source>The adaptor refused %1 of %2 reports.
</source>
        <translation>O adaptador recusou %1 de %2 relatórios.
</translation>
    </message>
    <message>
        <source>After: </source>
        <translation>Depois: </translation>
    </message>
    <message>
        <source>This adaptor does not hand out its memory.
</source>
        <translation>Este adaptador não fornece sua memória.
</translation>
    </message>
    <message>
        <source>Some memory blocks could not be read (shown as question marks).
</source>
        <translation>Alguns blocos de memória não puderam ser lidos (mostrados como pontos de interrogação).
</translation>
    </message>
    <message>
        <source>USB shifter</source>
        <translation>câmbio USB</translation>
    </message>
    <message>
        <source>firmware loader</source>
        <translation>carregador de firmware</translation>
    </message>
    <message>
        <source>%1  %2  version %3  serial %4</source>
        <translation>%1  %2  versão %3  série %4</translation>
    </message>
    <message>
        <source>Path: %1
Product: %2 (%3)
Manufacturer: %4
Version: %5
Serial number: %6
</source>
        <translation>Caminho: %1
Produto: %2 (%3)
Fabricante: %4
Versão: %5
Número de série: %6
</translation>
    </message>
    <message>
        <source>No adaptor could be opened.</source>
        <translation>Não foi possível abrir nenhum adaptador.</translation>
    </message>
    <message>
        <source>threshold %1 is given twice</source>
        <translation>o limiar %1 foi dado duas vezes</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not NAME=VALUE</source>
        <translation>&quot;%1&quot; não está na forma NOME=VALOR</translation>
    </message>
    <message>
        <source>threshold %1 needs a whole number from %2, not &apos;%3&apos;</source>
        <translation>o limiar %1 precisa de um número inteiro %2, não &quot;%3&quot;</translation>
    </message>
    <message>
        <source>no threshold given; use names V1, V2, H1, H2, SeqH1, SeqH2</source>
        <translation>nenhum limiar dado; use os nomes V1, V2, H1, H2, SeqH1, SeqH2</translation>
    </message>
    <message>
        <source>unknown threshold &apos;%1&apos;; use V1, V2, H1, H2, SeqH1, SeqH2</source>
        <translation>limiar &quot;%1&quot; desconhecido; use V1, V2, H1, H2, SeqH1, SeqH2</translation>
    </message>
</context>
<context>
    <name>Diagnosis</name>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>  %1 (adaptor 1dd2:%2): </source>
        <translation>  %1 (adaptador 1dd2:%2): </translation>
    </message>
    <message>
        <source>this user may open it
</source>
        <translation>este usuário pode abri-lo
</translation>
    </message>
    <message>
        <source>this user may not open it (%1)
</source>
        <translation>este usuário não pode abri-lo (%1)
</translation>
    </message>
    <message>
        <source>    not present under /dev
</source>
        <translation>    não presente em /dev
</translation>
    </message>
    <message>
        <source>    owner %1, group %2, mode %3, access list: %4
</source>
        <translation>    dono %1, grupo %2, modo %3, lista de acesso: %4
</translation>
    </message>
    <message>
        <source>    udev tag uaccess: </source>
        <translation>    marca udev uaccess: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>Session: </source>
        <translation>Sessão: </translation>
    </message>
    <message>
        <source>no login session</source>
        <translation>nenhuma sessão de login</translation>
    </message>
    <message>
        <source>login session %1</source>
        <translation>sessão de login %1</translation>
    </message>
    <message>
        <source>, no seat</source>
        <translation>, sem posto</translation>
    </message>
    <message>
        <source>, seat %1</source>
        <translation>, posto %1</translation>
    </message>
    <message>
        <source>, over SSH</source>
        <translation>, via SSH</translation>
    </message>
    <message>
        <source>, user id %1
</source>
        <translation>, id de usuário %1
</translation>
    </message>
    <message>
        <source>This user may open every adaptor plugged in.</source>
        <translation>Este usuário pode abrir todos os adaptadores conectados.</translation>
    </message>
    <message>
        <source>No adaptor is plugged in: plug it in.</source>
        <translation>Nenhum adaptador está conectado: conecte-o.</translation>
    </message>
    <message>
        <source>The program runs in a Flatpak sandbox that cannot see the adaptor: grant it device access, then start it again.</source>
        <translation>O programa roda em uma sandbox Flatpak que não enxerga o adaptador: dê a ela acesso aos dispositivos e inicie-o novamente.</translation>
    </message>
    <message>
        <source>The program runs in a Flatpak sandbox without the udev database: grant it /run/udev, then start it again.</source>
        <translation>O programa roda em uma sandbox Flatpak sem o banco de dados do udev: libere /run/udev para ela e inicie-o novamente.</translation>
    </message>
    <message>
        <source>No udev rule gives this user the adaptor: install 70-shifter-calibration.rules from the source folder, then re-trigger udev as root.</source>
        <translation>Nenhuma regra do udev dá o adaptador a este usuário: instale 70-shifter-calibration.rules a partir da pasta do código-fonte e depois reative o udev como root.</translation>
    </message>
    <message>
        <source>The udev rule is only under /usr/local/lib/udev/rules.d, which udev does not read on Debian: move it to /etc/udev/rules.d and re-trigger udev as root.</source>
        <translation>A regra do udev está só em /usr/local/lib/udev/rules.d, que o udev não lê no Debian: mova-a para /etc/udev/rules.d e reative o udev como root.</translation>
    </message>
    <message>
        <source>The udev rule is installed but not yet applied to the adaptor: re-trigger udev as root, or unplug and replug the adaptor.</source>
        <translation>A regra do udev está instalada, mas ainda não foi aplicada ao adaptador: reative o udev como root, ou desconecte e reconecte o adaptador.</translation>
    </message>
    <message>
        <source>The adaptor is given to the person at the machine, and this session has no seat (over SSH or outside a desktop login): run the program from the desktop session at the machine.</source>
        <translation>O adaptador é dado à pessoa diante do computador, e esta sessão não tem posto (via SSH ou fora de um login na área de trabalho): execute o programa a partir da sessão da área de trabalho do computador.</translation>
    </message>
    <message>
        <source>The rule is applied and this session has a seat, yet the system refuses the adaptor: unplug it and plug it in again.</source>
        <translation>A regra está aplicada e esta sessão tem um posto, mas o sistema recusa o adaptador: desconecte-o e conecte-o novamente.</translation>
    </message>
    <message>
        <source>no refusal</source>
        <translation>nenhuma recusa</translation>
    </message>
    <message>
        <source>the sandbox hides the device</source>
        <translation>a sandbox esconde o dispositivo</translation>
    </message>
    <message>
        <source>the sandbox hides the udev database</source>
        <translation>a sandbox esconde o banco de dados do udev</translation>
    </message>
    <message>
        <source>no udev rule installed</source>
        <translation>nenhuma regra do udev instalada</translation>
    </message>
    <message>
        <source>the udev rule is in a folder udev does not read</source>
        <translation>a regra do udev está em uma pasta que o udev não lê</translation>
    </message>
    <message>
        <source>udev has not applied the rule yet</source>
        <translation>o udev ainda não aplicou a regra</translation>
    </message>
    <message>
        <source>this session has no seat</source>
        <translation>esta sessão não tem posto</translation>
    </message>
    <message>
        <source>refused although the rule applies</source>
        <translation>recusado embora a regra se aplique</translation>
    </message>
    <message>
        <source>Adaptor nodes:
</source>
        <translation>Nós dos adaptadores:
</translation>
    </message>
    <message>
        <source>  none of our vendor in /sys/class/hidraw
</source>
        <translation>  nenhum do nosso fabricante em /sys/class/hidraw
</translation>
    </message>
    <message>
        <source>Rule %1:
</source>
        <translation>Regra %1:
</translation>
    </message>
    <message>
        <source>present</source>
        <translation>presente</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source> (udev does not read this folder on Debian)</source>
        <translation> (o udev não lê esta pasta no Debian)</translation>
    </message>
    <message>
        <source>Sandbox: </source>
        <translation>Sandbox: </translation>
    </message>
    <message>
        <source>udev database: </source>
        <translation>Banco de dados do udev: </translation>
    </message>
    <message>
        <source>visible</source>
        <translation>visível</translation>
    </message>
    <message>
        <source>not visible</source>
        <translation>não visível</translation>
    </message>
    <message>
        <source>Fix: </source>
        <translation>Correção: </translation>
    </message>
    <message>
        <source>The access diagnosis is made on Linux only; here, close any other program that uses the adaptor, or unplug it and plug it in again.</source>
        <translation>O diagnóstico de acesso só é feito no Linux; aqui, feche qualquer outro programa que use o adaptador, ou desconecte-o e conecte-o novamente.</translation>
    </message>
    <message>
        <source>Windows opens the adaptor with its own driver for input devices, so none needs installing: close any other program that uses the adaptor, or unplug it and plug it in again.</source>
        <translation>O Windows abre o adaptador com seu próprio driver de dispositivos de entrada, então não é preciso instalar nenhum: feche qualquer outro programa que use o adaptador, ou desconecte-o e conecte-o novamente.</translation>
    </message>
    <message>
        <source>the system refused to open it</source>
        <translation>o sistema recusou abri-lo</translation>
    </message>
    <message>
        <source>Not on this system: it has no hidraw nodes, udev rules or seats to look at.
</source>
        <translation>Não neste sistema: ele não tem nós hidraw, regras udev nem postos a examinar.
</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but the system does not let this program open it. Install 70-shifter-calibration.rules (see README), then run &quot;udevadm control --reload-rules&quot; and &quot;udevadm trigger&quot; as root, or unplug and replug the adaptor.</source>
        <translation>O adaptador está conectado, mas o sistema não deixa este programa abri-lo. Instale 70-shifter-calibration.rules (veja o README) e depois execute &quot;udevadm control --reload-rules&quot; e &quot;udevadm trigger&quot; como root, ou desconecte e reconecte o adaptador.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>read</source>
        <translation>lido</translation>
    </message>
    <message>
        <source>stored by Update settings</source>
        <translation>gravado por Atualizar ajustes</translation>
    </message>
    <message>
        <source>stored at close</source>
        <translation>gravado ao fechar</translation>
    </message>
    <message>
        <source>stored all six</source>
        <translation>os seis gravados</translation>
    </message>
    <message>
        <source>stored by command</source>
        <translation>gravado por comando</translation>
    </message>
    <message>
        <source>restored</source>
        <translation>restaurado</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>The recording never lists an adaptor, so there is nothing to simulate.</source>
        <translation>A gravação não lista nenhum adaptador, então não há nada para simular.</translation>
    </message>
    <message>
        <source>This is not a session recording: its first line does not name the format &quot;%1&quot; and its version.</source>
        <translation>Isto não é uma gravação de sessão: a primeira linha não informa o formato &quot;%1&quot; e sua versão.</translation>
    </message>
    <message>
        <source>This recording is of format version %1, newer than the version %2 this program reads.</source>
        <translation>Esta gravação está no formato versão %1, mais nova que a versão %2 que este programa lê.</translation>
    </message>
    <message>
        <source>The recording&apos;s first line lacks the program, the platform or the date.</source>
        <translation>Falta na primeira linha da gravação o programa, a plataforma ou a data.</translation>
    </message>
    <message>
        <source>The recording is larger than the %1 MB a recording may hold.</source>
        <translation>A gravação é maior que os %1 MB que uma gravação pode conter.</translation>
    </message>
    <message>
        <source>The recording is empty.</source>
        <translation>A gravação está vazia.</translation>
    </message>
    <message>
        <source>The recording is damaged at line %1.</source>
        <translation>A gravação está danificada na linha %1.</translation>
    </message>
    <message>
        <source>The recording is cut short: it ends before its closing line.</source>
        <translation>A gravação está incompleta: termina antes da linha de encerramento.</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>Shifter calibration</source>
        <translation>Calibração do câmbio</translation>
    </message>
    <message>
        <source>nothing reads from it</source>
        <translation>nada lê dele</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation>é um link simbólico, que não é seguido</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>tem mais de %1 bytes</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>O arquivo</translation>
    </message>
    <message>
        <source>The file %1</source>
        <translation>O arquivo %1</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 está vazio.</translation>
    </message>
    <message>
        <source>%1 is damaged or is not JSON (%2 at byte %3).</source>
        <translation>%1 está danificado ou não é JSON (%2 no byte %3).</translation>
    </message>
    <message>
        <source>%1 is not a calibration exported by this program.</source>
        <translation>%1 não é uma calibração exportada por este programa.</translation>
    </message>
    <message>
        <source>%1 has format version %2, which this version of the program cannot read.</source>
        <translation>%1 tem a versão de formato %2, que esta versão do programa não consegue ler.</translation>
    </message>
    <message>
        <source>%1 is damaged: the adaptor it came from is missing.</source>
        <translation>%1 está danificado: falta o adaptador de onde veio.</translation>
    </message>
    <message>
        <source>%1 is refused: %2.</source>
        <translation>%1 foi recusado: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>O arquivo %1 não pode ser lido: %2.</translation>
    </message>
    <message>
        <source>the thresholds are missing</source>
        <translation>faltam os limiares</translation>
    </message>
    <message>
        <source>%1 is missing or not a number</source>
        <translation>%1 está faltando ou não é um número</translation>
    </message>
    <message>
        <source>%1 is %2, not a whole number from 0 to 255</source>
        <translation>%1 é %2, não um número inteiro de 0 a 255</translation>
    </message>
    <message>
        <source>product %1</source>
        <translation>produto %1</translation>
    </message>
    <message>
        <source>The calibration history is not kept: no home folder was found (set HOME to an absolute path).</source>
        <translation>O histórico de calibrações não é mantido: nenhuma pasta pessoal foi encontrada (defina HOME como um caminho absoluto).</translation>
    </message>
    <message>
        <source>: it is not a regular file</source>
        <translation>: não é um arquivo comum</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>outro programa o mantém</translation>
    </message>
    <message>
        <source>The calibration history %1 is damaged</source>
        <translation>O histórico de calibrações %1 está danificado</translation>
    </message>
    <message>
        <source>The calibration history cannot be read: %1</source>
        <translation>O histórico de calibrações não pode ser lido: %1</translation>
    </message>
    <message>
        <source>The calibration history could not be saved: %1</source>
        <translation>Não foi possível salvar o histórico de calibrações: %1</translation>
    </message>
    <message>
        <source>: the folder cannot be created</source>
        <translation>: a pasta não pode ser criada</translation>
    </message>
    <message>
        <source>: it is damaged and cannot be moved aside: </source>
        <translation>: está danificado e não pode ser posto de lado: </translation>
    </message>
    <message>
        <source>The calibration history %1 was damaged; it was kept as %2 and a new one started</source>
        <translation>O histórico de calibrações %1 estava danificado; foi guardado como %2 e um novo foi iniciado</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>é um link simbólico</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertence a outro usuário</translation>
    </message>
    <message>
        <source>others may use it (its mode is %1, not 700)</source>
        <translation>outros podem usá-la (seu modo é %1, não 700)</translation>
    </message>
    <message>
        <source>Shifter calibration keeps its lock in %1, but that is not a folder of your own that only you may use: %2. Remove it and start again.</source>
        <translation>A calibração do câmbio mantém sua trava em %1, mas essa não é uma pasta sua que só você pode usar: %2. Remova-a e inicie novamente.</translation>
    </message>
    <message>
        <source>Shifter calibration is already running; close it before starting it again.</source>
        <translation>A calibração do câmbio já está em execução; feche-a antes de iniciá-la de novo.</translation>
    </message>
    <message>
        <source>Shifter calibration cannot take its lock %1. Remove it and start again.</source>
        <translation>A calibração do câmbio não consegue pegar sua trava %1. Remova-a e inicie novamente.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>não existe</translation>
    </message>
    <message>
        <source>A Shifter calibration command is using the adaptors; try again when it has ended.</source>
        <translation>Um comando da calibração do câmbio está usando os adaptadores; tente novamente quando ele terminar.</translation>
    </message>
    <message>
        <source>the program was not given that descriptor</source>
        <translation>o programa não recebeu esse descritor</translation>
    </message>
    <message>
        <source>it is another user&apos;s file in a shared folder</source>
        <translation>é o arquivo de outro usuário em uma pasta compartilhada</translation>
    </message>
    <message>
        <source>: its folder does not exist</source>
        <translation>: a pasta dele não existe</translation>
    </message>
</context>
<context>
    <name>Thresholds</name>
    <message>
        <source>%1 is %2, not a threshold (%3)</source>
        <translation>%1 é %2, que não é um limiar (%3)</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Atualizar firmware</translation>
    </message>
    <message>
        <source>Done.Exiting...</source>
        <translation>Pronto. Saindo...</translation>
    </message>
    <message>
        <source>Sending firmware: %1 of %2</source>
        <translation>Enviando firmware: %1 de %2</translation>
    </message>
    <message>
        <source>Contents of shifter EEPROM memory</source>
        <translation>Conteúdo da memória EEPROM do câmbio</translation>
    </message>
    <message>
        <source>your adaptor&apos;s support</source>
        <translation>o suporte do seu adaptador</translation>
    </message>
    <message>
        <source>This is shifter EEPROM contents. Please copy (Ctrl+C) and email this text to %1 for analysis. Thank you!</source>
        <translation>Este é o conteúdo da EEPROM do câmbio. Copie este texto (Ctrl+C) e envie-o por e-mail para %1 para análise. Obrigado!</translation>
    </message>
    <message>
        <source>The adaptor&apos;s feature reports are %1 bytes long, but firmware blocks need %2 to %3 bytes, so nothing was sent.</source>
        <translation>Os relatórios de recurso do adaptador têm %1 bytes, mas os blocos de firmware precisam de %2 a %3 bytes, então nada foi enviado.</translation>
    </message>
    <message>
        <source>The built-in firmware image is %1 bytes long, not a whole number of %2-byte blocks, so nothing was sent.</source>
        <translation>A imagem de firmware embutida tem %1 bytes, o que não é um número inteiro de blocos de %2 bytes, então nada foi enviado.</translation>
    </message>
    <message>
        <source>This build carries no adaptor firmware, only a test image, so nothing was sent to the adaptor.</source>
        <translation>Esta versão não traz firmware do adaptador, só uma imagem de teste, então nada foi enviado ao adaptador.</translation>
    </message>
    <message>
        <source>No threshold could be proposed yet: see the assistant&apos;s warnings</source>
        <translation>Nenhum limiar pôde ser proposto ainda: veja os avisos do assistente</translation>
    </message>
    <message>
        <source>Proposed thresholds are in the boxes: press &quot;Update settings&quot; to store them</source>
        <translation>Os limiares propostos estão nas caixas: pressione &quot;Atualizar ajustes&quot; para gravá-los</translation>
    </message>
    <message>
        <source>Gear %1</source>
        <translation>Marcha %1</translation>
    </message>
    <message>
        <source>Lever position X %1, Y %2</source>
        <translation>Posição da alavanca X %1, Y %2</translation>
    </message>
    <message>
        <source>left vertical line</source>
        <translation>linha vertical esquerda</translation>
    </message>
    <message>
        <source>right vertical line</source>
        <translation>linha vertical direita</translation>
    </message>
    <message>
        <source>upper horizontal line</source>
        <translation>linha horizontal superior</translation>
    </message>
    <message>
        <source>lower horizontal line</source>
        <translation>linha horizontal inferior</translation>
    </message>
    <message>
        <source>first sequential line</source>
        <translation>primeira linha sequencial</translation>
    </message>
    <message>
        <source>second sequential line</source>
        <translation>segunda linha sequencial</translation>
    </message>
    <message>
        <source>Store all six thresholds</source>
        <translation>Gravar os seis limiares</translation>
    </message>
    <message>
        <source>Nothing was stored: the adaptor&apos;s thresholds could not be read when it connected. Unplug the adaptor, plug it in again and retry.</source>
        <translation>Nada foi gravado: os limiares do adaptador não puderam ser lidos na conexão. Desconecte o adaptador, conecte-o novamente e tente outra vez.</translation>
    </message>
    <message>
        <source>Stored all six thresholds in the adaptor</source>
        <translation>Os seis limiares foram gravados no adaptador</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of the six thresholds; try again</source>
        <translation>O adaptador não aceitou %1 dos seis limiares; tente novamente</translation>
    </message>
    <message>
        <source>%1 shows %2, which is not a threshold (%3): %1 stays %4</source>
        <translation>%1 mostra %2, que não é um limiar (%3): %1 continua %4</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of %2 values; try again</source>
        <translation>O adaptador não aceitou %1 de %2 valores; tente novamente</translation>
    </message>
    <message>
        <source>Stored in the adaptor: </source>
        <translation>Gravado no adaptador: </translation>
    </message>
    <message>
        <source>Update settings</source>
        <translation>Atualizar ajustes</translation>
    </message>
    <message>
        <source>The adaptor&apos;s stored settings could not be read, so nothing was stored. Unplug the adaptor, plug it in again and retry.</source>
        <translation>As configurações gravadas no adaptador não puderam ser lidas, então nada foi gravado. Desconecte o adaptador, conecte-o novamente e tente outra vez.</translation>
    </message>
    <message>
        <source>Read shifter memory</source>
        <translation>Ler memória</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produto</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Lever position</source>
        <translation>Posição da alavanca</translation>
    </message>
    <message>
        <source>0 to 254</source>
        <translation>de 0 a 254</translation>
    </message>
    <message>
        <source>Corvane Shifter interface calibration v1.5</source>
        <translation>Calibração da interface de câmbio Corvane v1.5</translation>
    </message>
    <message>
        <source>Kelvo/Mirad shifter interface calibration</source>
        <translation>Calibração da interface de câmbio Kelvo/Mirad</translation>
    </message>
    <message>
        <source>Mirad shifter interface calibration v1.5</source>
        <translation>Calibração da interface de câmbio Mirad v1.5</translation>
    </message>
    <message>
        <source>Kelvo shifter interface calibration v1.5</source>
        <translation>Calibração da interface de câmbio Kelvo v1.5</translation>
    </message>
    <message>
        <source>USB shifter interface calibration v1.5</source>
        <translation>Calibração da interface de câmbio USB v1.5</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but it could not be read: its report sizes are unknown. Unplug the adaptor and plug it in again.</source>
        <translation>O adaptador está conectado, mas não pôde ser lido: os tamanhos dos seus relatórios são desconhecidos. Desconecte o adaptador e conecte-o novamente.</translation>
    </message>
    <message>
        <source>No adaptor found. Plug one in: the window comes alive by itself.</source>
        <translation>Nenhum adaptador encontrado. Conecte um: a janela se ativa sozinha.</translation>
    </message>
    <message>
        <source>Simulated adaptor: nothing is kept when the program ends</source>
        <translation>Adaptador simulado: nada é mantido quando o programa termina</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but its feature reports are %1 bytes long, and this program can exchange settings only in reports of %2 to %3 bytes: nothing is sent to it.</source>
        <translation>O adaptador está conectado, mas seus relatórios de recurso têm %1 bytes, e este programa só troca ajustes em relatórios de %2 a %3 bytes: nada é enviado a ele.</translation>
    </message>
    <message>
        <source>The firmware image was sent; please unplug the adaptor and plug it in again. This program now closes.</source>
        <translation>A imagem do firmware foi enviada; desconecte o adaptador e conecte-o de novo. Este programa fecha agora.</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of the %2 firmware blocks and is still waiting for a firmware image, so please start this program again and repeat the upgrade. This program now closes.</source>
        <translation>O adaptador não aceitou %1 dos %2 blocos do firmware e ainda está esperando uma imagem de firmware; inicie este programa de novo e repita a atualização. Este programa fecha agora.</translation>
    </message>
    <message>
        <source>%1 lies left of %2</source>
        <translation>%1 está à esquerda de %2</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 está acima de %2</translation>
    </message>
    <message>
        <source>%1: the lines have crossed</source>
        <translation>%1: as linhas se cruzaram</translation>
    </message>
    <message>
        <source>Reads the adaptor&apos;s 128 bytes of memory and shows them for support</source>
        <translation>Lê os 128 bytes de memória do adaptador e os mostra para o suporte</translation>
    </message>
    <message>
        <source>Stores the thresholds of the adaptor&apos;s current mode; closing the window stores all six</source>
        <translation>Grava os limiares do modo atual do adaptador; fechar a janela grava os seis</translation>
    </message>
    <message>
        <source>Sends the built-in firmware to the adaptor; asks first</source>
        <translation>Envia o firmware embutido ao adaptador; pergunta antes</translation>
    </message>
    <message>
        <source>; the adaptor holds %1 until it is stored</source>
        <translation>; o adaptador mantém %1 até que seja gravado</translation>
    </message>
    <message>
        <source>Simulated adaptor: its thresholds are lost when the program ends, its history is kept</source>
        <translation>Adaptador simulado: seus limiares se perdem quando o programa termina, seu histórico é mantido</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) (is|are) not stored in the adaptor yet; closing the window stores (it|them)</source>
        <translation>
            <numerusform>%n valor ainda não está gravado no adaptador; fechar a janela o grava</numerusform>
            <numerusform>%n valores ainda não estão gravados no adaptador; fechar a janela os grava</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was restored: %1</source>
        <translation>Nada foi restaurado: %1</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but the system does not let this program open it.</source>
        <translation>O adaptador está conectado, mas o sistema não deixa este programa abri-lo.</translation>
    </message>
    <message>
        <source>the program&apos;s test image (%1 bytes), not adaptor firmware</source>
        <translation>a imagem de teste do programa (%1 bytes), não firmware do adaptador</translation>
    </message>
    <message>
        <source>the built-in firmware (%1 bytes, SHA-256 %2)</source>
        <translation>o firmware embutido (%1 bytes, SHA-256 %2)</translation>
    </message>
    <message>
        <source>The adaptor is waiting for new firmware. Upgrade Firmware sends it %1, which takes a few seconds. Keep the adaptor plugged in until it is done. When it is done, this program closes.

Send the firmware now?</source>
        <translation>O adaptador está esperando um novo firmware. Atualizar firmware envia a ele %1, o que leva alguns segundos. Mantenha o adaptador conectado até terminar. Ao terminar, este programa fecha.

Enviar o firmware agora?</translation>
    </message>
    <message>
        <source>Send firmware</source>
        <translation>Enviar firmware</translation>
    </message>
    <message>
        <source>The adaptor waits for its firmware, but this build carries none to send: only a test image.</source>
        <translation>O adaptador espera seu firmware, mas esta versão não traz nenhum para enviar: só uma imagem de teste.</translation>
    </message>
    <message>
        <source>The adaptor waits for its firmware: press Upgrade Firmware to send it %1.</source>
        <translation>O adaptador espera seu firmware: clique em Atualizar firmware para enviar a ele %1.</translation>
    </message>
    <message>
        <source>Lever X %1</source>
        <translation>Alavanca X %1</translation>
    </message>
    <message>
        <source>Lever Y %1</source>
        <translation>Alavanca Y %1</translation>
    </message>
    <message>
        <source>Restored %1; the adaptor holds the same values</source>
        <translation>%1 restaurada; o adaptador tem os mesmos valores</translation>
    </message>
    <message>
        <source>Restored %1; to write it to the adaptor, choose %2</source>
        <translation>%1 restaurada; para gravá-la no adaptador, escolha %2</translation>
    </message>
</context>
<context>
    <name>gui::About</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Calibrates the lever thresholds of a USB shifter adaptor.&lt;/p&gt;&lt;p&gt;Qt %3 (built with %4)&lt;br&gt;hidapi %5&lt;/p&gt;&lt;p&gt;Free software under the MIT License: you may use, copy, change and pass it on; it comes without any warranty. The full text is in the LICENSE file.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Calibra os limiares da alavanca de um adaptador de câmbio USB.&lt;/p&gt;&lt;p&gt;Qt %3 (compilado com %4)&lt;br&gt;hidapi %5&lt;/p&gt;&lt;p&gt;Software livre sob a licença MIT: você pode usá-lo, copiá-lo, alterá-lo e repassá-lo; ele vem sem nenhuma garantia. O texto completo está no arquivo LICENSE.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
</context>
<context>
    <name>gui::AccessDetails</name>
    <message>
        <source>Access to the adaptor</source>
        <translation>Acesso ao adaptador</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>gui::AssistantWindow</name>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Gravar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>&amp;Use these values</source>
        <translation>&amp;Usar estes valores</translation>
    </message>
    <message>
        <source>Calibration assistant</source>
        <translation>Assistente de calibração</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Relatórios</translation>
    </message>
    <message>
        <source>&lt;b&gt;Proposed thresholds&lt;/b&gt;</source>
        <translation>&lt;b&gt;Limiares propostos&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Waiting for the adaptor&apos;s lever reports...</source>
        <translation>Aguardando os relatórios da alavanca do adaptador...</translation>
    </message>
    <message>
        <source>Sequential mode: take each step, then press Stop.</source>
        <translation>Modo sequencial: faça cada passo e depois pressione Parar.</translation>
    </message>
    <message>
        <source>H-pattern mode: take each step, then press Stop.</source>
        <translation>Modo H: faça cada passo e depois pressione Parar.</translation>
    </message>
    <message>
        <source>recording: %1</source>
        <translation>gravando: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>left</source>
        <translation>à esquerda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>à direita</translation>
    </message>
    <message>
        <source>below</source>
        <translation>abaixo</translation>
    </message>
    <message>
        <source>above</source>
        <translation>acima</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt;, margin %3 %4, %5 %6</source>
        <translation>&lt;b&gt;%1 = %2&lt;/b&gt;, margem %3 %4, %5 %6</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Records the selected step</source>
        <translation>Grava a etapa escolhida</translation>
    </message>
    <message>
        <source>Ends the step&apos;s recording</source>
        <translation>Encerra a gravação da etapa</translation>
    </message>
    <message>
        <source>%1 chooses the next step, %2 the previous one</source>
        <translation>%1 escolhe a próxima etapa, %2 a anterior</translation>
    </message>
</context>
<context>
    <name>gui::CalibrationMenus</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Export calibration...</source>
        <translation>&amp;Exportar calibração...</translation>
    </message>
    <message>
        <source>&amp;Import calibration...</source>
        <translation>&amp;Importar calibração...</translation>
    </message>
    <message>
        <source>&amp;Revert to the values read at connection</source>
        <translation>&amp;Voltar aos valores lidos na conexão</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Histórico...</translation>
    </message>
    <message>
        <source>&amp;Store all six thresholds</source>
        <translation>Gravar os &amp;seis limiares</translation>
    </message>
    <message>
        <source>The adaptor&apos;s thresholds could not be read when it connected; unplug it and plug it in again.</source>
        <translation>Os limiares do adaptador não puderam ser lidos na conexão; desconecte-o e conecte-o novamente.</translation>
    </message>
    <message>
        <source>The adaptor was unplugged meanwhile; nothing was restored.</source>
        <translation>O adaptador foi desconectado nesse meio-tempo; nada foi restaurado.</translation>
    </message>
    <message>
        <source>The calibration could not be written: %1.</source>
        <translation>Não foi possível gravar a calibração: %1.</translation>
    </message>
    <message>
        <source>Exported the calibration to %1</source>
        <translation>Calibração exportada para %1</translation>
    </message>
    <message>
        <source>This calibration was exported from %1, not from the connected %2. Use it anyway?</source>
        <translation>Esta calibração foi exportada de %1, não do %2 conectado. Usá-la mesmo assim?</translation>
    </message>
    <message>
        <source>the calibration from %1</source>
        <translation>a calibração de %1</translation>
    </message>
    <message>
        <source>the calibration read at connection</source>
        <translation>a calibração lida na conexão</translation>
    </message>
    <message>
        <source>No history is kept for a simulated adaptor; start the program with --keep-history to keep one.</source>
        <translation>Não é mantido histórico para um adaptador simulado; inicie o programa com --keep-history para manter um.</translation>
    </message>
    <message>
        <source>the calibration of %1</source>
        <translation>a calibração de %1</translation>
    </message>
    <message>
        <source>Export calibration</source>
        <translation>Exportar calibração</translation>
    </message>
    <message>
        <source>Import calibration</source>
        <translation>Importar calibração</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Calibrations (*.json);;All files (*)</source>
        <translation>Calibrações (*.json);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Nothing was restored: %1.</source>
        <translation>Nada foi restaurado: %1.</translation>
    </message>
    <message>
        <source>No adaptor has a history here yet: an adaptor&apos;s history starts when it first connects.</source>
        <translation>Nenhum adaptador tem histórico aqui ainda: o histórico de um adaptador começa quando ele é conectado pela primeira vez.</translation>
    </message>
    <message>
        <source>The history of which adaptor?</source>
        <translation>O histórico de qual adaptador?</translation>
    </message>
</context>
<context>
    <name>gui::CalibrationTools</name>
    <message>
        <source>&amp;Colour the trace by gear</source>
        <translation>&amp;Colorir o traço por marcha</translation>
    </message>
    <message>
        <source>Calibration &amp;assistant...</source>
        <translation>&amp;Assistente de calibração...</translation>
    </message>
</context>
<context>
    <name>gui::FormWidget</name>
    <message>
        <source>&amp;Quit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Adaptor</source>
        <translation>A&amp;daptador</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>Try the simulated adaptor</source>
        <translation>Experimentar o adaptador simulado</translation>
    </message>
</context>
<context>
    <name>gui::GearLegend</name>
    <message>
        <source>Colours of the trace: the gear the adaptor reported at each point</source>
        <translation>Cores do traço: a marcha que o adaptador informou em cada ponto</translation>
    </message>
</context>
<context>
    <name>gui::HistoryDialog</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Histórico de %1</translation>
    </message>
    <message>
        <source>Puts the chosen row&apos;s thresholds into the window; nothing is sent to the adaptor until you store them.</source>
        <translation>Coloca os limiares da linha escolhida na janela; nada é enviado ao adaptador até você gravá-los.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Aceito</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Saves the chosen row&apos;s thresholds to a calibration file.</source>
        <translation>Salva os limiares da linha escolhida em um arquivo de calibração.</translation>
    </message>
    <message>
        <source>Connect this adaptor to restore a calibration into the window.</source>
        <translation>Conecte este adaptador para restaurar uma calibração na janela.</translation>
    </message>
</context>
<context>
    <name>gui::InputDialog</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>gui::SupportRecording</name>
    <message>
        <source>Record a session for support...</source>
        <translation>Gravar uma sessão para o suporte...</translation>
    </message>
    <message>
        <source>Record a session for support</source>
        <translation>Gravar uma sessão para o suporte</translation>
    </message>
    <message>
        <source>A recording holds every report the program exchanges with the adaptor, with the adaptor&apos;s serial number and thresholds. Start it, do what goes wrong (the dialog may be closed meanwhile), then stop it and save it to attach to your report.</source>
        <translation>Uma gravação contém cada relatório que o programa troca com o adaptador, com o número de série e os limiares do adaptador. Inicie-a, faça o que dá errado (o diálogo pode ser fechado enquanto isso), depois pare-a e salve-a para anexar ao seu relato.</translation>
    </message>
    <message>
        <source>Not recording.</source>
        <translation>Sem gravação.</translation>
    </message>
    <message>
        <source>Recording: %1 KB so far.</source>
        <translation>Gravando: %1 KB até agora.</translation>
    </message>
    <message>
        <source>Stopped: the recording holds %1 KB.</source>
        <translation>Parada: a gravação contém %1 KB.</translation>
    </message>
    <message>
        <source>Stopped at the size limit: the recording holds %1 KB.</source>
        <translation>Parada no limite de tamanho: a gravação contém %1 KB.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Save the recording</source>
        <translation>Salvar a gravação</translation>
    </message>
    <message>
        <source>Session recordings (*.rec)</source>
        <translation>Gravações de sessão (*.rec)</translation>
    </message>
    <message>
        <source>The recording was not saved: could not write %1.</source>
        <translation>A gravação não foi salva: não foi possível escrever %1.</translation>
    </message>
    <message>
        <source>Leave out the serial number and the device paths</source>
        <translation>Omitir o número de série e os caminhos dos dispositivos</translation>
    </message>
    <message>
        <source>The recording has not been saved. Discard it?</source>
        <translation>A gravação não foi salva. Descartá-la?</translation>
    </message>
</context>
</TS>
